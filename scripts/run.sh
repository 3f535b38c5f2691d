#!/usr/bin/env bash
# `make run`: builds lumbrel.exe, lays out its program folder and starts it: under Wine on
# Linux (on $DISPLAY, or on an Xvfb started for it), directly on Windows. The 32-bit program
# (build/dist) runs where 32-bit programs can start, the 64-bit one (build/dist64) otherwise.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc 2>/dev/null || echo 2)

if [ "${OS:-}" = Windows_NT ]; then
    cmake --preset windows-host
    cmake --build --preset windows-host -j "$jobs"
    exec build/dist/lumbrel.exe "$@"
fi

bash scripts/deps.sh run
source scripts/wine-env.sh
rc=0
lumbrel_arch_probe i686 run || rc=$?
if [ $rc -eq 0 ]; then
    preset=windows dist=build/dist
    echo "Starting the 32-bit program ($dist)."
else
    # Whatever keeps the 32-bit program from starting, the 64-bit one may still run.
    [ $rc -eq 2 ] || echo "The 32-bit program cannot be run under Wine here: $lumbrel_arch_why" >&2
    echo "$lumbrel_arch_why: starting the 64-bit program (build/dist64) instead."
    rc=0
    lumbrel_arch_probe x86_64 run || rc=$?
    if [ $rc -ne 0 ]; then
        echo "The 64-bit program cannot start either: $lumbrel_arch_why" >&2
        exit 1
    fi
    preset=windows64 dist=build/dist64
fi
cmake --preset "$preset"
cmake --build --preset "$preset" -j "$jobs" --target dist
lumbrel_display
[ -n "$lumbrel_xvfb_pid" ] && echo "Lumbrel runs on the virtual display $DISPLAY (no window will appear on screen)."
trap lumbrel_wine_stop EXIT
(cd "$dist" && lumbrel_wine ./lumbrel.exe "$@")
