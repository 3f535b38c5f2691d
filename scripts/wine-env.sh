# Sourced by the scripts that run Windows programs under Wine (not executed).
#
#   lumbrel_wine_use ARCH [PURPOSE]  choose the Wine of one architecture (i686 | x86_64) and the
#                                    prefix for a purpose (test | run): each pair has a prefix of
#                                    its own, so ending a test run's server never ends `make run`
#   lumbrel_wine ARGS...             run the chosen loader (never /usr/bin/wine: it picks the
#                                    32-bit loader whenever the file exists, even when the kernel
#                                    cannot start it)
#   lumbrel_wine_prefix              create the prefix once (ready only when it really works)
#   lumbrel_arch_probe ARCH          can Windows programs of ARCH start here? reason in
#                                    $lumbrel_arch_why; 0 yes, 2 not on this machine, 1 broken
#   lumbrel_display                  $DISPLAY when it answers, else a private Xvfb (checked alive)
#   lumbrel_wine_start / _stop       keep one server alive for a test run / end it and our Xvfb
lumbrel_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEDEBUG=${WINEDEBUG:--all,err+seh}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree=;winemenubuilder.exe=d}
lumbrel_wine_dir=${LUMBREL_WINE_DIR:-$lumbrel_root/build/wine}
lumbrel_loader_dir=${LUMBREL_WINE_LOADER_DIR:-/usr/lib/wine}
lumbrel_xvfb_pid=
lumbrel_arch_why=

lumbrel_wine_use() {
    local arch=${1:?architecture} purpose=${2:-test}
    case $arch in
    i686)
        export WINEARCH=win32 WINELOADER=$lumbrel_loader_dir/wine
        lumbrel_triple=i686-w64-mingw32
        lumbrel_bits=32
        ;;
    x86_64)
        export WINEARCH=win64 WINELOADER=$lumbrel_loader_dir/wine64
        lumbrel_triple=x86_64-w64-mingw32
        lumbrel_bits=64
        ;;
    *)
        echo "unknown architecture: $arch" >&2
        return 1
        ;;
    esac
    lumbrel_arch=$arch
    export WINEPREFIX=$lumbrel_wine_dir/$purpose-$arch
}

lumbrel_wine() {
    "$WINELOADER" "$@"
}

# The loader exists but the kernel refuses it: the machine runs no programs of these bits.
lumbrel_cannot_exec() {  # rc, error log
    [ "$1" -eq 126 ] || grep -q 'Exec format error' "$2" 2>/dev/null
}

# Creates the prefix when it is not marked ready. The mark is set only after wineboot succeeded
# and the registry exists, and a failed creation leaves no half prefix behind. Returns 2 when
# the loader cannot start on this machine, 1 on another failure.
lumbrel_wine_prefix() {
    [ -f "$WINEPREFIX/.lumbrel-ready" ] && return 0
    # Test programs run side by side (ctest -j) may all find the prefix missing: one creates
    # it, the others wait for it and then find it ready.
    mkdir -p "$(dirname "$WINEPREFIX")"
    local lock rc=0
    exec {lock}>"$WINEPREFIX.lock"
    flock "$lock"
    lumbrel_wine_prefix_create || rc=$?
    exec {lock}>&-
    return $rc
}

lumbrel_wine_prefix_create() {
    [ -f "$WINEPREFIX/.lumbrel-ready" ] && return 0
    if [ ! -x "$WINELOADER" ]; then
        lumbrel_arch_why="the Wine loader $WINELOADER is not installed"
        return 1
    fi
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    echo "Creating the Wine prefix $WINEPREFIX (once)..." >&2
    local log=$WINEPREFIX.log rc=0
    lumbrel_wine wineboot -i >"$log" 2>&1 || rc=$?
    if lumbrel_cannot_exec "$rc" "$log"; then
        lumbrel_arch_why="$lumbrel_bits-bit programs cannot start on this machine (the kernel refuses $WINELOADER: Exec format error)"
        rm -rf "$WINEPREFIX"
        return 2
    fi
    # Without this every destroyed top-level window costs about two seconds.
    [ "$rc" -eq 0 ] &&
        lumbrel_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$log" 2>&1 || rc=1
    wineserver -w >/dev/null 2>&1
    if [ "$rc" -ne 0 ] || [ ! -s "$WINEPREFIX/system.reg" ]; then
        lumbrel_arch_why="creating the Wine prefix $WINEPREFIX failed (see $log)"
        tail -n 5 "$log" >&2
        rm -rf "$WINEPREFIX"
        return 1
    fi
    touch "$WINEPREFIX/.lumbrel-ready"
}

# Starts a tiny program of the architecture in its prefix: the only sure test, since a
# machine may have the loader installed and still refuse to run it.
lumbrel_arch_probe() {
    local arch=$1 rc=0
    lumbrel_wine_use "$arch" "${2:-test}" || return 1
    if [ ! -x "$WINELOADER" ]; then
        lumbrel_arch_why="the $lumbrel_bits-bit Wine loader $WINELOADER is not installed"
        return 2
    fi
    lumbrel_wine_prefix || return $?
    local probe=$lumbrel_wine_dir/probe-$arch.exe log=$lumbrel_wine_dir/probe-$arch.log
    if [ ! -f "$probe" ]; then
        # Built under a name of its own and moved in whole: another run may be probing too.
        if ! "$lumbrel_triple-gcc" -O2 -o "$probe.$$" "$lumbrel_root/scripts/wine-probe.c" 2>"$log"; then
            rm -f "$probe.$$"
            lumbrel_arch_why="the probe could not be built with $lumbrel_triple-gcc (see $log)"
            return 1
        fi
        mv -f "$probe.$$" "$probe"
    fi
    local out
    out=$(lumbrel_wine "$probe" 2>"$log" | tr -d '\r') || rc=$?
    if lumbrel_cannot_exec "$rc" "$log"; then
        lumbrel_arch_why="$lumbrel_bits-bit Windows programs cannot start on this machine"
        return 2
    fi
    if [ "$rc" -ne 0 ] || [ "$out" != "lumbrel-probe $lumbrel_bits" ]; then
        lumbrel_arch_why="a $lumbrel_bits-bit probe program did not run (exit $rc, said \"$out\"; see $log)"
        return 1
    fi
    lumbrel_arch_why="$lumbrel_bits-bit Windows programs run here"
}

# Uses $DISPLAY when a server answers there; otherwise starts Xvfb, which picks a free display
# number itself (-displayfd), and keeps it only when the process lives and answers.
lumbrel_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return 0
    fi
    local numfile i
    numfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
    lumbrel_xvfb_pid=$!
    for i in $(seq 100); do
        [ -s "$numfile" ] && break
        kill -0 "$lumbrel_xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    local n
    n=$(tr -dc '0-9' <"$numfile")
    rm -f "$numfile"
    if [ -n "$n" ] && kill -0 "$lumbrel_xvfb_pid" 2>/dev/null && DISPLAY=:$n xdpyinfo >/dev/null 2>&1; then
        export DISPLAY=:$n
        echo "No usable DISPLAY: started Xvfb on $DISPLAY" >&2
        return 0
    fi
    kill "$lumbrel_xvfb_pid" 2>/dev/null
    wait "$lumbrel_xvfb_pid" 2>/dev/null
    lumbrel_xvfb_pid=
    echo "could not start Xvfb" >&2
    return 1
}

lumbrel_display_stop() {
    if [ -n "$lumbrel_xvfb_pid" ]; then
        kill "$lumbrel_xvfb_pid" 2>/dev/null || true
        wait "$lumbrel_xvfb_pid" 2>/dev/null || true
        lumbrel_xvfb_pid=
    fi
}

# Keeps one wine server alive for the run: each program then starts in a fraction of a second.
lumbrel_wine_start() {
    lumbrel_wine_prefix || return 1
    lumbrel_display || return 1
    wineserver -p >/dev/null 2>&1 || true
    lumbrel_wine cmd /c exit >/dev/null 2>&1 || true
}

# Ends the server of the chosen prefix only (a `make run` uses a prefix of its own).
lumbrel_wine_server_stop() {
    [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] || return 0
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
}

lumbrel_wine_stop() {
    lumbrel_wine_server_stop
    lumbrel_display_stop
}
