#!/usr/bin/env bash
# `make run`: builds lumbrel.exe, lays out its program folder in build/dist and starts it:
# under Wine on Linux (on $DISPLAY, or on an Xvfb started for it), directly on Windows.
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
cmake --preset windows
cmake --build --preset windows -j "$jobs" --target dist
source scripts/wine-env.sh
lumbrel_wine_prefix
lumbrel_display
[ -n "$lumbrel_xvfb_pid" ] && echo "Lumbrel runs on the virtual display $DISPLAY (no window will appear on screen)."
trap lumbrel_wine_stop EXIT
wine build/dist/lumbrel.exe "$@"
