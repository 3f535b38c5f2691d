#!/usr/bin/env bash
# Runs one Windows program under Wine (the cross build's test emulator):
#   wine-run.sh ARCH PROGRAM [ARGS...]
# Output lines lose their carriage returns; a crash that Wine swallowed inside a window
# callback fails the run. A program that ends in failure without a single line of output never
# reached its main function (Wine could not start it, seen on a heavily loaded machine): it is
# started once more, and the run says so. A program still running after
# LUMBREL_WINE_RUN_SECONDS (180) is ended: a test caught in a loop fails instead of holding the
# whole run (the test runner's own limit ends this script, not the program under Wine).
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
lumbrel_wine_use "${1:?architecture}" test || exit 1
shift
lumbrel_wine_prefix >&2 || { echo "wine-run: $lumbrel_arch_why" >&2; exit 1; }
lumbrel_display >&2 || exit 1
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"; lumbrel_display_stop' EXIT

limit=${LUMBREL_WINE_RUN_SECONDS:-180}
run() {
    timeout --kill-after=10 "$limit" "$WINELOADER" "$@" >"$out" 2>"$err"
    rc=$?
    [ "$rc" -eq 124 ] && echo "wine-run: $1 was still running after $limit s and was ended" >>"$err"
}
run "$@"
if [ "$rc" -ne 0 ] && [ ! -s "$out" ] && [ ! -s "$err" ]; then
    echo "wine-run: $1 ended with $rc before printing anything; starting it once more" >&2
    run "$@"
fi
tr -d '\r' <"$out"
tr -d '\r' <"$err" >&2
if grep -q 'err:seh:KiUserCallbackDispatcher ignoring exception' "$err"; then
    echo "wine-run: an exception inside a window callback was swallowed" >&2
    [ "$rc" -eq 0 ] && rc=3
fi
exit "$rc"
