#!/usr/bin/env bash
# Builds the fuzz targets (the `fuzz` preset: clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs them; `make fuzz` and `make test` call it.
#   fuzz.sh SECONDS [TARGET...]   runs each target (all when none is named) for SECONDS
#   fuzz.sh --no-build SECONDS [TARGET...]   the same without building first
#   fuzz.sh --build               only builds
#   fuzz.sh --list                the names of the targets, one a line
# Each target runs on a fresh copy of its seed corpus (fuzz/corpus/TARGET/) under
# build/fuzz/corpus/, so what a run learns never enters the repository. One line per target:
# "fuzz TARGET: N executions in S s, clean", or what went wrong. A crash, a leak, a
# sanitizer report, a failed check or a slow input makes the exit status non-zero; libFuzzer
# keeps the input that caused it in build/fuzz/crashes/TARGET/ and the whole log in
# build/fuzz/logs/TARGET.log.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# Other places, for the script's own test.
build=${LUMBREL_FUZZ_BUILD:-$root/build/fuzz}
sources=${LUMBREL_FUZZ_SOURCES:-$root/fuzz}
jobs=$(nproc 2>/dev/null || echo 2)

usage() {
    echo "usage: fuzz.sh [--no-build] SECONDS [TARGET...] | --build | --list" >&2
    exit 2
}

targets() {
    local source
    for source in "$sources"/*.cpp; do
        [ -f "$source" ] && basename "$source" .cpp
    done
}

build_targets() {
    local runtime
    if ! command -v clang++-14 >/dev/null; then
        echo "fuzz: clang++-14 is missing; as root: apt-get install -y clang libclang-rt-14-dev" >&2
        return 1
    fi
    runtime="$(clang++-14 -print-resource-dir)/lib/linux/libclang_rt.fuzzer-x86_64.a"
    if [ ! -f "$runtime" ]; then
        echo "fuzz: libFuzzer is missing; as root: apt-get install -y libclang-rt-14-dev" >&2
        return 1
    fi
    mkdir -p "$build"
    local log="$build/build.log"
    if ! { cmake --preset fuzz && cmake --build --preset fuzz -j "$jobs"; } >"$log" 2>&1; then
        tail -n 30 "$log" >&2
        echo "fuzz: the build failed; the whole log is $log" >&2
        return 1
    fi
}

# Runs one target; prints its line and returns non-zero on any finding.
run_target() {
    local name=$1 seconds=$2
    local binary="$build/targets/$name" work="$build/corpus/$name"
    local crashes="$build/crashes/$name" log="$build/logs/$name.log"
    if [ ! -x "$binary" ]; then
        echo "fuzz $name: FAILED, $binary was not built"
        return 1
    fi
    rm -rf "$work"
    mkdir -p "$work" "$crashes" "$build/logs"
    [ -d "$sources/corpus/$name" ] && cp -R "$sources/corpus/$name/." "$work/"
    local options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048
                   -print_final_stats=1 -artifact_prefix="$crashes/")
    [ -f "$sources/$name.dict" ] && options+=(-dict="$sources/$name.dict")
    ASAN_OPTIONS=detect_leaks=1:quarantine_size_mb=32:allocator_may_return_null=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$binary" "${options[@]}" "$work" >"$log" 2>&1
    local status=$?
    local executions took kept
    executions=$(sed -n 's/^stat::number_of_executed_units: *\([0-9]*\).*/\1/p' "$log" | tail -n 1)
    took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n 1)
    kept=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -n 1)
    if [ "$status" -eq 0 ] && [ -z "$kept" ] &&
        ! grep -qE '^(==[0-9]+==ERROR|SUMMARY: )|runtime error:' "$log"; then
        echo "fuzz $name: ${executions:-0} executions in ${took:-$seconds} s, clean"
        return 0
    fi
    echo "fuzz $name: FAILED (exit $status) after ${executions:-an unknown number of}" \
        "executions; input kept in ${kept:-(none written)}"
    grep -E 'ERROR|runtime error:|check failed|SUMMARY: ' "$log" | head -n 5 | sed 's/^/    /'
    echo "    log: $log"
    return 1
}

want_build=1
case ${1:-} in
--list)
    targets
    exit 0
    ;;
--build)
    build_targets
    exit
    ;;
--no-build)
    want_build=0
    shift
    ;;
esac
[[ ${1:-} =~ ^[0-9]+$ ]] || usage
seconds=$1
shift
known=$(targets)
names=("$@")
[ ${#names[@]} -eq 0 ] && mapfile -t names <<<"$known"
for name in "${names[@]}"; do
    if ! grep -qxF "$name" <<<"$known"; then
        echo "fuzz: no target named $name; the targets are:" $known >&2
        exit 2
    fi
done
if [ "$want_build" -eq 1 ]; then
    build_targets || exit 1
fi
status=0
for name in "${names[@]}"; do
    run_target "$name" "$seconds" || status=1
done
exit $status
