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

retried_constant() { grep -n -E 'smoke_until [0-9]+ (test|\[) .*\$\(' "$@"; }
numbered_ids() {
    grep -n -E 'smoke_ctl (post|send) [^ ]+ ([0-9]|[^ ]+ (0x)?[1-9])|smoke_ctl press ("[^"]*"|[^ ]+) [0-9]+ |smoke_ctl key [^ ]+ (0x)?[0-9]' "$@"
}
# Polling of a script's own: any while or until loop, and a for loop that sleeps, whether it
# is written on one line or several.
own_polling() {
    awk '
        /^[[:space:]]*(while|until)[[:space:]]/ { print FILENAME ":" FNR ": " $0; next }
        /(^|[;[:space:]])for[[:space:]].*(;[[:space:]]*do|[[:space:]]do)([[:space:]]|$)/ { loops++ }
        loops > 0 && /(^|[;[:space:]])sleep[[:space:]]/ { print FILENAME ":" FNR ": " $0 }
        /(^|[;[:space:]])done([[:space:]]|;|$)/ && loops > 0 { loops-- }
    ' "$@"
}
killed_only() { grep -n -E 'smoke_exit_code"? *(-ne|!=) *"?124' "$@"; }

rules=(
    "retried_constant:smoke_until retries something that can change"
    "numbered_ids:messages, buttons and keys are given by name"
    "own_polling:no polling loop of a script's own (smoke_until waits)"
    "killed_only:an exit code is checked for success, not only for not being killed"
)
for rule in "${rules[@]}"; do
    report "${rule#*:}" "$(${rule%%:*} $scripts)"
done

# Each rule must see the mistakes it exists for, in the shapes they were written before.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cat >"$scratch/retried_constant" <<'EOS'
smoke_until 10 test "$(smoke_ctl tabs LumbrelMainFrame)" = 2
EOS
cat >"$scratch/numbered_ids" <<'EOS'
smoke_ctl post LumbrelMainFrame WM_COMMAND 32772 0
smoke_ctl post LumbrelMainFrame 273 "$ID_FILE_CLOSE" 0
smoke_ctl key LumbrelMainFrame 0x70
EOS
cat >"$scratch/own_polling" <<'EOS'
while ! smoke_ctl count LumbrelMainFrame; do
    sleep 0.1
done
for i in $(seq 20); do
    smoke_address_is x && break
    sleep 0.5
done
EOS
cat >"$scratch/killed_only" <<'EOS'
smoke_check "ends" test "$smoke_exit_code" != 124
smoke_check "ends" test $smoke_exit_code -ne 124
EOS
declare -A mistakes=([retried_constant]=1 [numbered_ids]=3 [own_polling]=2 [killed_only]=2)
for rule in "${rules[@]}"; do
    name=${rule%%:*}
    found=$($name "$scratch/$name" | grep -c .)
    if [ "$found" -eq "${mistakes[$name]}" ]; then
        echo "ok: the rule \"${rule#*:}\" sees all ${mistakes[$name]} of its known mistakes"
    else
        echo "FAILED: the rule \"${rule#*:}\" sees $found of its ${mistakes[$name]} known mistakes"
        failures=$((failures + 1))
    fi
done

[ $failures -eq 0 ] && echo "smoke_lint_test: passed" || echo "smoke_lint_test: $failures failed"
exit $((failures > 0))
