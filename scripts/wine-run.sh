#!/usr/bin/env bash
# Runs one Windows program under Wine (the cross build's test emulator):
#   wine-run.sh ARCH PROGRAM [ARGS...]
# Output lines lose their carriage returns; a crash that Wine swallowed inside a window
# callback fails the run.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
lumbrel_wine_use "${1:?architecture}" test || exit 1
shift
lumbrel_wine_prefix >&2 || { echo "wine-run: $lumbrel_arch_why" >&2; exit 1; }
lumbrel_display >&2 || exit 1
errlog=$(mktemp)
trap 'rm -f "$errlog"; lumbrel_display_stop' EXIT
lumbrel_wine "$@" 2> >(tee "$errlog" | tr -d '\r' >&2) | tr -d '\r'
rc=${PIPESTATUS[0]}
wait
if grep -q 'err:seh:KiUserCallbackDispatcher ignoring exception' "$errlog"; then
    echo "wine-run: an exception inside a window callback was swallowed" >&2
    [ "$rc" -eq 0 ] && rc=3
fi
exit "$rc"
