# Shared by the smoke scripts (sourced). Arguments of every script: the program folder laid
# out by the build, a scratch folder of its own, the smokectl tool, the architecture of both
# (i686 or x86_64) and the file of names generated from the program's id headers.
set -uo pipefail
smoke_dist=${1:?program folder}
smoke_work=${2:?scratch folder}
smoke_ctl=${3:?smokectl}
smoke_arch=${4:?architecture}
smoke_ids=${5:?generated id names}
smoke_name=$(basename "$0" .sh)
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
source "$smoke_ids"
smoke_root=$lumbrel_root
lumbrel_wine_use "$smoke_arch" test || exit 1
lumbrel_wine_prefix || { echo "FAILED: $lumbrel_arch_why"; exit 1; }
lumbrel_display || { echo "FAILED: no X display"; exit 1; }
# A script started by hand ends the Xvfb it started, whatever way it ends.
trap lumbrel_display_stop EXIT
smoke_failures=0
smoke_pids=()

# A fresh program folder: the layout of the build, no "User\" folder yet.
smoke_fresh_program() {
    rm -rf "$smoke_work"
    mkdir -p "$smoke_work"
    cp -r "$smoke_dist" "$smoke_work/prog"
    rm -rf "$smoke_work/prog/User"
    smoke_prog=$smoke_work/prog
}

# Starts lumbrel.exe with the given arguments in the background; its stderr goes to a log.
# SMOKE_PROG and SMOKE_LOADER pick another program folder and loader (another architecture).
smoke_start() {
    local n=${#smoke_pids[@]} prog=${SMOKE_PROG:-$smoke_prog} loader=${SMOKE_LOADER:-$WINELOADER}
    (cd "$prog" && exec "$loader" ./lumbrel.exe "$@") >"$smoke_work/run$n.out" 2>"$smoke_work/run$n.err" &
    smoke_pids+=($!)
    smoke_last_pid=$!
    smoke_last_log=$smoke_work/run$n.err
}

smoke_ctl() {
    lumbrel_wine "$smoke_ctl" "$@" 2>/dev/null | tr -d '\r'
}

# A program folder whose user settings are already there: no language question at the start.
# Extra "Key=Value" lines for section Settings may follow.
smoke_settled_program() {
    smoke_fresh_program
    mkdir -p "$smoke_prog/User"
    {
        printf '[Settings]\r\nUseLngFile=0\r\nStartupMode=6\r\nConfirmExit=0\r\n'
        local line
        for line in "$@"; do printf '%s\r\n' "$line"; done
    } >"$smoke_prog/User/Lumbrel.ini"
}

# The value of Settings/KEY in the user's Lumbrel.ini.
smoke_setting() {
    tr -d '\r' <"$smoke_prog/User/Lumbrel.ini" | awk -F= -v key="$1" '
        /^\[/ { section = $0 } section == "[Settings]" && tolower($1) == tolower(key) { print $2; exit }'
}

# Predicates that look again each time they are called (for smoke_until).
smoke_setting_is() { test "$(smoke_setting "$1")" = "$2"; }
smoke_address_is() { test "$(smoke_ctl address LumbrelMainFrame)" = "$1"; }
smoke_window_count_is() { test "$(smoke_ctl count LumbrelMainFrame)" = "$1"; }
# The last started program's stderr (Wine's trace channels) has a line holding every given
# text; or holds such lines exactly N times.
smoke_log_has() { smoke_log_count_is_at_least 1 "$@"; }
smoke_log_count_is() { test "$(smoke_log_lines "${@:2}")" -eq "$1"; }
smoke_log_count_is_at_least() { test "$(smoke_log_lines "${@:2}")" -ge "$1"; }
smoke_log_lines() {
    local lines text
    lines=$(tr -d '\r' <"$smoke_last_log")
    for text in "$@"; do lines=$(grep -F -- "$text" <<<"$lines"); done
    [ -n "$lines" ] && wc -l <<<"$lines" || echo 0
}

# Runs a command until it succeeds, for at most $1 seconds. The command must look again on
# every call: in `test "$(...)" = x` the value is expanded once, before the first try, and the
# retry would compare constants; such a comparison is refused (a predicate function looks again).
smoke_until() {
    local limit=$1 i arg
    shift
    if [ "$1" = test ] || [ "$1" = "[" ]; then
        for arg in "${@:2}"; do
            case $arg in
            = | == | != | -eq | -ne | -lt | -le | -gt | -ge)
                echo "smoke_until: '$*' compares values fixed before the first try; use a predicate" >&2
                return 2
                ;;
            esac
        done
    fi
    for ((i = 0; i < limit * 10; i++)); do
        "$@" && return 0
        sleep 0.1
    done
    "$@"
}

# Closes every main window and waits for the started programs to end.
smoke_close_all() {
    smoke_ctl close LumbrelMainFrame
    local pid
    for pid in "${smoke_pids[@]}"; do smoke_wait_exit "$pid" 30; done
}

smoke_check() {  # smoke_check "description" command...
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAILED: $what"
        smoke_failures=$((smoke_failures + 1))
    fi
}

smoke_screenshot() {
    mkdir -p "$smoke_root/build/screenshots"
    local file=$smoke_root/build/screenshots/${1:-$smoke_name}-$smoke_arch.png
    if import -window root "$file" 2>/dev/null; then
        echo "screenshot: $file"
    else
        echo "FAILED: screenshot $file"
        smoke_failures=$((smoke_failures + 1))
    fi
}

# Waits for a started program to end (at most $2 seconds); its exit code in smoke_exit_code.
smoke_wait_exit() {
    local pid=$1 limit=${2:-30} i
    for ((i = 0; i < limit * 10; i++)); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null
        smoke_exit_code=124
    else
        wait "$pid"
        smoke_exit_code=$?
    fi
}

smoke_finish() {
    local pid f
    for pid in "${smoke_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for f in "$smoke_work"/run*.err; do
        [ -f "$f" ] || continue
        if grep -q 'err:seh' "$f"; then
            echo "FAILED: a crash inside a window callback (see $f)"
            grep 'err:seh' "$f" | head -5
            smoke_failures=$((smoke_failures + 1))
        fi
    done
    [ "$smoke_failures" -eq 0 ] && echo "$smoke_name: passed" || echo "$smoke_name: $smoke_failures failed"
    exit $((smoke_failures > 0))
}
