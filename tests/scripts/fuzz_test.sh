#!/usr/bin/env bash
# scripts/fuzz.sh against stand-in targets built here: a clean target passes with its count
# of executions and leaves its seed corpus as it was; a crash, a heap overflow, undefined
# behaviour and a leak each fail the run and keep the input that caused them.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export LUMBREL_FUZZ_SOURCES=$tmp/src LUMBREL_FUZZ_BUILD=$tmp/build
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

cat >"$tmp/target.cpp" <<'CPP'
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

static bool Starts(const uint8_t* data, size_t size, const char* word) {
    return size >= std::strlen(word) && std::memcmp(data, word, std::strlen(word)) == 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
#ifndef CLEAN
    if (Starts(data, size, "BOOM"))
        std::abort();
    if (Starts(data, size, "OVER")) {
        volatile char* buffer = new char[4];
        buffer[size] = 1;
        delete[] buffer;
    }
    if (Starts(data, size, "UB")) {
        volatile int big = INT_MAX;
        volatile int sum = big + static_cast<int>(size);
        (void)sum;
    }
    if (Starts(data, size, "LEAK")) {
        volatile char* lost = static_cast<char*>(std::malloc(64));
        lost[0] = 1;
        lost = nullptr;
    }
#endif
    // Branches for the clean run to discover.
    static volatile int depth;
    for (size_t i = 0; i < size && i < 8; ++i)
        if (data[i] == static_cast<uint8_t>('a' + i))
            depth = depth + 1;
    return 0;
}
CPP

mkdir -p "$tmp/src" "$tmp/build/targets"
for name in clean crash overflow undefined leak; do
    touch "$tmp/src/$name.cpp"
    mkdir -p "$tmp/src/corpus/$name"
    echo "seed" >"$tmp/src/corpus/$name/seed"
done
printf 'BOOM' >"$tmp/src/corpus/crash/boom"
printf 'OVER' >"$tmp/src/corpus/overflow/over"
printf 'UB' >"$tmp/src/corpus/undefined/ub"
printf 'LEAK' >"$tmp/src/corpus/leak/leak"
flags=(-g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all)
if ! clang++-14 "${flags[@]}" -o "$tmp/build/targets/stand-in" "$tmp/target.cpp" ||
    ! clang++-14 "${flags[@]}" -DCLEAN -o "$tmp/build/targets/clean" "$tmp/target.cpp"; then
    echo "FAIL: cannot build a fuzz target (clang++-14, libclang-rt-14-dev)"
    exit 1
fi
for name in crash overflow undefined leak; do
    ln -s stand-in "$tmp/build/targets/$name"
done
seeds_before=$(cd "$tmp/src/corpus" && find . -type f | sort | xargs md5sum)

out=$(bash "$root/scripts/fuzz.sh" --no-build 3 clean)
status=$?
[ $status -eq 0 ] || fail "a clean target fails the run (exit $status): $out"
grep -qE '^fuzz clean: [1-9][0-9]* executions in [0-9]+ s, clean$' <<<"$out" ||
    fail "no count line for a clean run: $out"
[ "$(find "$tmp/build/corpus/clean" -type f | wc -l)" -gt 1 ] ||
    fail "the clean run learnt nothing, so the corpus check proves nothing"

for case in "crash BOOM" "overflow OVER" "undefined UB" "leak LEAK"; do
    read -r name input <<<"$case"
    out=$(bash "$root/scripts/fuzz.sh" --no-build 3 "$name")
    status=$?
    [ $status -ne 0 ] || fail "$name: the run passed: $out"
    grep -q "^fuzz $name: FAILED" <<<"$out" || fail "$name: no failure line: $out"
    kept=$(find "$tmp/build/crashes/$name" -type f | head -n 1)
    [ -n "$kept" ] && [ "$(cat "$kept")" = "$input" ] ||
        fail "$name: the input is not kept under crashes/: $out"
done

seeds_after=$(cd "$tmp/src/corpus" && find . -type f | sort | xargs md5sum)
[ "$seeds_before" = "$seeds_after" ] || fail "the seed corpus changed"

bash "$root/scripts/fuzz.sh" --no-build 1 missing >/dev/null 2>&1
[ $? -eq 2 ] || fail "an unknown target is not refused"
[ "$(bash "$root/scripts/fuzz.sh" --list | tr '\n' ' ')" = "clean crash leak overflow undefined " ] ||
    fail "--list does not name the targets"

[ $failures -eq 0 ] && echo "fuzz.sh: every case as expected"
exit $((failures > 0))
