#!/usr/bin/env bash
# Reads the smoke scripts for mistakes that make a smoke run pass when it should not: a retry
# of a value expanded once, numbers where the program's ids have names, polling loops of their
# own, and exit codes accepted as long as the program was not killed.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
failures=0
report() {  # description, offending lines
    if [ -n "$2" ]; then
        echo "FAILED: $1"
        sed 's/^/    /' <<<"$2"
        failures=$((failures + 1))
    else
        echo "ok: $1"
    fi
}
scripts=$(find "$root/tests/smoke" -maxdepth 1 -name '*.sh' ! -name lib.sh ! -name gen-ids.sh)
scripts="$scripts $(find "$root/tests/smoke/cross" -name '*.sh' 2>/dev/null)"

report "smoke_until retries something that can change" \
    "$(grep -n -E 'smoke_until [0-9]+ (test|\[) .*\$\(' $scripts)"
report "messages, buttons and keys are given by name" \
    "$(grep -n -E 'smoke_ctl (post|send) [^ ]+ [0-9]|smoke_ctl press ("[^"]*"|[^ ]+) [0-9]+ |smoke_ctl key [^ ]+ (0x)?[0-9]' $scripts)"
report "no polling loop of a script's own (smoke_until waits)" \
    "$(grep -n -E '(for|while) .*(seq|true|:).*;.*sleep|^[[:space:]]*sleep [0-9.]+[[:space:]]*;?[[:space:]]*done' $scripts)"
report "an exit code is checked for success, not only for not being killed" \
    "$(grep -n -E 'smoke_exit_code"? -ne 124' $scripts)"

[ $failures -eq 0 ] && echo "smoke_lint_test: passed" || echo "smoke_lint_test: $failures failed"
exit $((failures > 0))
