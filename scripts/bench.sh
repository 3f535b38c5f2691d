#!/usr/bin/env bash
# `make bench`: builds the benchmarks natively and runs each of them; then builds the Windows
# program for x86_64 and times many browser windows in it under Wine (opened and closed with
# the windows shown normally and maximised), when this machine can start it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc 2>/dev/null || echo 2)
bash scripts/deps.sh bench
cmake --preset native
cmake --build --preset native -j "$jobs"
for b in build/native/bench/*_bench; do
    [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    "$b" --benchmark_counters_tabular=true
done

# The Windows program runs from a copy of its program folder; the benchmark writes the
# settings of each run into it and drives lumbrel.exe from outside.
windows_bench() {
    cmake --preset windows64
    cmake --build --preset windows64 -j "$jobs" --target dist window_bench
    source scripts/wine-env.sh
    if ! lumbrel_arch_probe x86_64 bench; then
        echo "== window_bench skipped: $lumbrel_arch_why"
        return 0
    fi
    lumbrel_wine_use x86_64 bench
    lumbrel_wine_start
    trap lumbrel_wine_stop EXIT
    local program=$root/build/bench/program
    rm -rf "$program"
    mkdir -p "$(dirname "$program")"
    cp -r build/dist64 "$program"
    rm -rf "$program/User"
    echo "== window_bench (x86_64 under Wine: 100 windows, median of 3 runs)"
    lumbrel_wine build/windows64/bench/win32/window_bench.exe "Z:${program//\//\\}" 100 3 |
        tr -d '\r'
}
windows_bench
