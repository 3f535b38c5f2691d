#!/usr/bin/env bash
# `make test`: installs what is missing, builds the core natively and the Windows program with
# MinGW, runs the native tests, the Wine-run tests and the smoke runs, and ends with one line
# "N passed, M failed".
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc 2>/dev/null || echo 2)
passed=0
failed=0

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

step() {
    echo "== $*"
    if ! "$@"; then
        echo "FAILED: $*"
        failed=$((failed + 1))
        summary
        exit 1
    fi
}

step bash scripts/deps.sh
step cmake --preset native
step cmake --build --preset native -j "$jobs"

source scripts/wine-env.sh
trap lumbrel_wine_stop EXIT
step lumbrel_wine_start
step cmake --preset windows
step cmake --build --preset windows -j "$jobs"

mkdir -p build
echo "== native tests"
ctest --preset native -j "$jobs" 2>&1 | tee build/ctest-native.log
count_ctest build/ctest-native.log

echo "== Windows tests and smoke runs (Wine on $DISPLAY)"
ctest --preset windows 2>&1 | tee build/ctest-windows.log
count_ctest build/ctest-windows.log

summary
