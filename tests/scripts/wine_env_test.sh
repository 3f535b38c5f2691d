#!/usr/bin/env bash
# Checks the Wine and display helpers of scripts/wine-env.sh without a real Wine: stand-in
# loaders and a stand-in wineserver decide what "starting a program" does. The display cases
# use real Xvfb servers, one of them holding a display number the helper must not take.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
holder=
cleanup() {
    [ -n "$holder" ] && kill $holder 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
expect() {
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAILED: $what"
        failures=$((failures + 1))
    fi
}

mkdir -p "$work/bin" "$work/loaders"
cat >"$work/bin/wineserver" <<'STUB'
#!/usr/bin/env bash
echo "wineserver $* ($WINEPREFIX)" >>"$STUB_LOG"
STUB
chmod +x "$work/bin/wineserver"
export STUB_LOG=$work/calls PATH=$work/bin:$PATH
# A loader whose behaviour is named by its first line's word: ok, fail, noexec, wrong.
make_loader() {  # name, behaviour
    cat >"$work/loaders/$1" <<STUB
#!/usr/bin/env bash
echo "\$(basename "\$0") \$*" >>"\$STUB_LOG"
case $2 in
noexec) echo "bash: \$0: cannot execute binary file: Exec format error" >&2; exit 126 ;;
fail) echo "wine: could not load kernel32.dll" >&2; exit 1 ;;
esac
case \$1 in
wineboot) mkdir -p "\$WINEPREFIX"; echo "WINE REGISTRY Version 2" >"\$WINEPREFIX/system.reg" ;;
reg) ;;
*.exe) [ $2 = wrong ] && echo "something else" || echo "lumbrel-probe \$([ \$WINEARCH = win64 ] && echo 64 || echo 32)" ;;
esac
exit 0
STUB
    chmod +x "$work/loaders/$1"
}

in_env() {  # runs the rest in a subshell with wine-env.sh sourced against the stand-ins
    (
        export LUMBREL_WINE_DIR=$work/wine LUMBREL_WINE_LOADER_DIR=$work/loaders
        source "$root/scripts/wine-env.sh"
        "$@"
    )
}

# --- prefixes ---
make_loader wine64 fail
in_env lumbrel_wine_use x86_64 test
expect "a failed wineboot fails the prefix" \
    in_env bash -c 'source "$0"; lumbrel_wine_use x86_64 test; ! lumbrel_wine_prefix' "$root/scripts/wine-env.sh"
expect "and leaves neither a ready mark nor a half prefix" test ! -e "$work/wine/test-x86_64"
make_loader wine64 ok
: >"$STUB_LOG"
expect "the next call tries again and succeeds" \
    in_env bash -c 'source "$0"; lumbrel_wine_use x86_64 test; lumbrel_wine_prefix' "$root/scripts/wine-env.sh"
expect "the prefix is marked ready" test -f "$work/wine/test-x86_64/.lumbrel-ready"
expect "Managed=N is set" grep -q "wine64 reg add HKCU.Software.Wine.X11 Driver /v Managed /d N /f" "$STUB_LOG"
: >"$STUB_LOG"
in_env bash -c 'source "$0"; lumbrel_wine_use x86_64 test; lumbrel_wine_prefix' "$root/scripts/wine-env.sh"
expect "a ready prefix is reused without starting Wine" test ! -s "$STUB_LOG"

prefix_of() { in_env bash -c 'source "$0"; lumbrel_wine_use "$1" "$2"; echo "$WINEPREFIX $WINEARCH $WINELOADER"' "$root/scripts/wine-env.sh" "$@"; }
expect "tests and make run use different prefixes" test "$(prefix_of x86_64 test)" != "$(prefix_of x86_64 run)"
expect "the 64-bit prefix is win64 with the 64-bit loader" \
    test "$(prefix_of x86_64 run)" = "$work/wine/run-x86_64 win64 $work/loaders/wine64"
expect "the 32-bit prefix is win32 with the 32-bit loader" \
    test "$(prefix_of i686 test)" = "$work/wine/test-i686 win32 $work/loaders/wine"
: >"$STUB_LOG"
in_env bash -c 'source "$0"; lumbrel_wine_use x86_64 test; lumbrel_wine_server_stop' "$root/scripts/wine-env.sh"
expect "stopping a test run ends only the test prefix's server" \
    test "$(grep -c 'wineserver -k' "$STUB_LOG")" -eq 1 -a -z "$(grep 'run-x86_64' "$STUB_LOG")"

# --- architecture probe ---
probe() {  # arch; prints "rc why"
    in_env bash -c 'source "$0"; lumbrel_arch_probe "$1"; echo "$? $lumbrel_arch_why"' "$root/scripts/wine-env.sh" "$1"
}
make_loader wine noexec
result=$(probe i686)
expect "a loader the kernel refuses: not on this machine (2)" test "${result%% *}" = 2
expect "with the reason" grep -q "32-bit programs cannot start on this machine" <<<"$result"
rm -f "$work/loaders/wine"
result=$(probe i686)
expect "no loader installed: not on this machine (2), named" \
    test "${result%% *}" = 2 -a -n "$(grep 'not installed' <<<"$result")"
rm -rf "$work/wine"
make_loader wine64 ok
result=$(probe x86_64)
expect "a probe that prints its line: runs (0)" test "${result%% *}" = 0
make_loader wine64 wrong
rm -rf "$work/wine"
result=$(probe x86_64)
expect "a probe that says something else: broken (1), not skipped" test "${result%% *}" = 1

# --- wine-run.sh: a program that never reached its main function is started once more ---
mkdir -p "$work/runbin"
printf '#!/bin/sh\nexit 0\n' >"$work/runbin/xdpyinfo"
chmod +x "$work/runbin/xdpyinfo"
# The stand-in loader's answers, one line per start: "silent" (fail, print nothing), "noisy"
# (fail after printing), "ok".
cat >"$work/loaders/wine64" <<'STUB'
#!/usr/bin/env bash
n=$(($(cat "$STUB_RUNS" 2>/dev/null || echo 0) + 1))
echo $n >"$STUB_RUNS"
case $(sed -n "${n}p" "$STUB_PLAN") in
silent) exit 5 ;;
noisy) echo "[ FAILED ] a real failure"; exit 1 ;;
*) echo "[ PASSED ] 1 test"; exit 0 ;;
esac
STUB
chmod +x "$work/loaders/wine64"
wine_run() {  # plan lines...
    export STUB_PLAN=$work/plan STUB_RUNS=$work/runs
    printf '%s\n' "$@" >"$STUB_PLAN"
    rm -f "$STUB_RUNS"
    out=$(DISPLAY=:99 PATH=$work/runbin:$PATH LUMBREL_WINE_DIR=$work/wine LUMBREL_WINE_LOADER_DIR=$work/loaders \
        bash "$root/scripts/wine-run.sh" x86_64 test.exe 2>&1)
    rc=$?
    runs=$(cat "$STUB_RUNS")
}
mkdir -p "$work/wine/test-x86_64" && touch "$work/wine/test-x86_64/.lumbrel-ready"
wine_run silent ok
expect "a silent failure is started once more and passes" test "$rc" -eq 0 -a "$runs" -eq 2
expect "and the run says so" grep -q "starting it once more" <<<"$out"
wine_run silent silent
expect "two silent failures fail" test "$rc" -ne 0 -a "$runs" -eq 2
wine_run noisy ok
expect "a failure with output is not retried" test "$rc" -ne 0 -a "$runs" -eq 1
expect "and its output is kept" grep -q "a real failure" <<<"$out"

# --- display ---
if command -v Xvfb >/dev/null && command -v xdpyinfo >/dev/null; then
    # Other X servers hold the first free display numbers (counting from 0, and from 90 where
    # a helper might start looking), their lock files gone (as when they run in another
    # file-system namespace): the helper must start its own elsewhere and say where.
    held=()
    for start in 0 90; do
        n=$start
        while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
        Xvfb :$n -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
        holder="$holder $!"
        for i in $(seq 50); do DISPLAY=:$n xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
        rm -f /tmp/.X$n-lock /tmp/.X11-unix/X$n
        held+=("$n")
    done
    out=$(
        unset DISPLAY
        source "$root/scripts/wine-env.sh"
        lumbrel_display 2>&1 || exit 1
        alive=no
        kill -0 "$lumbrel_xvfb_pid" 2>/dev/null && alive=yes
        answers=no
        xdpyinfo >/dev/null 2>&1 && answers=yes
        pid=$lumbrel_xvfb_pid
        lumbrel_display_stop
        sleep 0.2
        gone=yes
        kill -0 "$pid" 2>/dev/null && gone=no
        echo "display=$DISPLAY alive=$alive answers=$answers gone=$gone"
    )
    expect "with displays held by other servers, our own Xvfb is started elsewhere" \
        grep -q "display=:[0-9]* alive=yes answers=yes gone=yes" <<<"$out"
    expect "it takes no held display" \
        test -z "$(grep -e "display=:${held[0]} " -e "display=:${held[1]} " <<<"$out")"
    expect "the other servers live on" kill -0 $holder
    # A smoke script started by hand ends the Xvfb it started, however it ends.
    : >"$work/ids.sh"
    printf 'source "%s"\necho "xvfb=$lumbrel_xvfb_pid"\nexit 3\n' "$root/tests/smoke/lib.sh" >"$work/by_hand.sh"
    out=$(
        unset DISPLAY
        LUMBREL_WINE_DIR=$work/wine LUMBREL_WINE_LOADER_DIR=$work/loaders \
            bash "$work/by_hand.sh" "$work/dist" "$work/smoke" smokectl.exe x86_64 "$work/ids.sh" 2>&1
    )
    pid=$(sed -n 's/^xvfb=//p' <<<"$out")
    expect "a smoke script started by hand starts its own Xvfb" test -n "$pid"
    sleep 0.2
    expect "and ends it when the script exits" bash -c "! kill -0 '$pid' 2>/dev/null"
    kill $holder 2>/dev/null
    holder=
else
    echo "FAILED: Xvfb and xdpyinfo are needed for the display cases"
    failures=$((failures + 1))
fi
mkdir -p "$work/badx"
printf '#!/bin/sh\necho "Fatal server error" >&2\nexit 1\n' >"$work/badx/Xvfb"
chmod +x "$work/badx/Xvfb"
out=$(
    unset DISPLAY
    export PATH=$work/badx:$PATH
    source "$root/scripts/wine-env.sh"
    if lumbrel_display 2>&1; then echo "returned success"; fi
    echo "DISPLAY=${DISPLAY:-unset}"
)
expect "an Xvfb that fails to start is reported, not claimed" \
    test -n "$(grep 'could not start Xvfb' <<<"$out")" -a -z "$(grep -e started -e 'returned success' <<<"$out")"
expect "and DISPLAY stays unset" grep -q "DISPLAY=unset" <<<"$out"

[ $failures -eq 0 ] && echo "wine_env_test: passed" || echo "wine_env_test: $failures failed"
exit $((failures > 0))
