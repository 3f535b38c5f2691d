#!/usr/bin/env bash
# `make test`: installs what is missing; builds the core natively and runs its tests (also
# under AddressSanitizer/UBSan); runs the script tests and the fuzz targets for a short time;
# builds the Windows program for i686 and x86_64; runs the Wine tests and smoke runs of every
# architecture that can start here; ends with one line "N passed, M failed".
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc 2>/dev/null || echo 2)
passed=0
failed=0
mkdir -p build

summary() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
}

# Adds the counts of one ctest run (its log in $1) to the totals.
count_ctest() {
    local line total fails
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
    if [ -z "$line" ]; then
        failed=$((failed + 1))
        return
    fi
    fails=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
    passed=$((passed + total - fails))
    failed=$((failed + fails))
}

# A step the rest depends on: its failure ends the run.
step() {
    echo "== $*"
    if ! "$@"; then
        echo "FAILED: $*"
        failed=$((failed + 1))
        summary
        exit 1
    fi
}

# A step that counts as one test and does not stop the run.
check() {
    echo "== $*"
    if "$@"; then
        passed=$((passed + 1))
    else
        echo "FAILED: $*"
        failed=$((failed + 1))
    fi
}

run_ctest() {  # preset, log name
    ctest --preset "$1" -j "$jobs" 2>&1 | tee "build/ctest-$2.log"
    count_ctest "build/ctest-$2.log"
}

step bash scripts/deps.sh
step cmake --preset native
step cmake --build --preset native -j "$jobs"
echo "== native tests"
run_ctest native native

step cmake --preset native-asan
step cmake --build --preset native-asan -j "$jobs"
echo "== native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
run_ctest native-asan native-asan

# The favorites "Order" reader takes a registry value any program may have written: it gets
# a whole minute.
fuzz_seconds() {
    case $1 in
    order_blob) echo 60 ;;
    *) echo 15 ;;
    esac
}
echo "== fuzz targets, 15 s each (order_blob 60 s)"
if bash scripts/fuzz.sh --build; then
    for t in $(bash scripts/fuzz.sh --list); do
        check bash scripts/fuzz.sh --no-build "$(fuzz_seconds "$t")" "$t"
    done
else
    echo "FAILED: building the fuzz targets"
    failed=$((failed + 1))
fi

echo "== script tests"
for t in tests/scripts/*_test.sh; do
    [ -f "$t" ] && check bash "$t"
done

step cmake --preset windows
step cmake --build --preset windows -j "$jobs"
step cmake --preset windows64
step cmake --build --preset windows64 -j "$jobs"

source scripts/wine-env.sh
trap lumbrel_wine_stop EXIT
declare -A ran=()
for arch in i686 x86_64; do
    preset=windows
    [ "$arch" = x86_64 ] && preset=windows64
    lumbrel_arch_probe "$arch"
    case $? in
    0)
        echo "== Windows tests and smoke runs, $arch"
        if lumbrel_wine_start; then
            ctest --preset "$preset" 2>&1 | tee "build/ctest-$preset.log"
            count_ctest "build/ctest-$preset.log"
            ran[$arch]=1
        else
            echo "FAILED: starting Wine for $arch"
            failed=$((failed + 1))
        fi
        lumbrel_wine_server_stop
        ;;
    2)
        echo "== $lumbrel_arch_why: skipping the $arch runs (built and linked, not run)"
        ;;
    *)
        echo "FAILED: $arch cannot be tested: $lumbrel_arch_why"
        failed=$((failed + 1))
        ;;
    esac
done
if [ ${#ran[@]} -eq 0 ]; then
    echo "FAILED: no Windows architecture can run on this machine"
    failed=$((failed + 1))
elif [ ${#ran[@]} -eq 2 ]; then
    check bash tests/smoke/cross/handover_cross.sh build/dist build/dist64 build/windows64
else
    echo "== the hand-over between a 32-bit and a 64-bit browser needs both: skipped"
fi

summary
