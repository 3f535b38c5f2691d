# Sourced by the scripts that run Windows programs under Wine (not executed).
# Sets up one Wine prefix per build tree (created once, reused), and an X display:
# $DISPLAY when set, else a private Xvfb that lumbrel_wine_stop ends.
lumbrel_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$lumbrel_root/build/wineprefix}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all,err+seh}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree=;winemenubuilder.exe=d}
lumbrel_xvfb_pid=

lumbrel_wine_prefix() {
    [ -f "$WINEPREFIX/.lumbrel-ready" ] && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    echo "Creating the Wine prefix $WINEPREFIX (once)..."
    wineboot -i >/dev/null 2>&1 || true
    # Without this every destroyed top-level window costs about two seconds.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.lumbrel-ready"
}

lumbrel_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        return 0
    fi
    local n
    for n in $(seq 90 120); do
        [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
        Xvfb :$n -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
        lumbrel_xvfb_pid=$!
        export DISPLAY=:$n
        local i
        for i in $(seq 50); do
            xdpyinfo >/dev/null 2>&1 && break
            sleep 0.1
        done
        echo "No usable DISPLAY: started Xvfb on $DISPLAY"
        return 0
    done
    echo "could not start Xvfb" >&2
    return 1
}

# Keeps one wine server alive for the run: each program then starts in a fraction of a second.
lumbrel_wine_start() {
    lumbrel_wine_prefix
    lumbrel_display
    wineserver -p >/dev/null 2>&1 || true
    wine cmd /c exit >/dev/null 2>&1 || true
}

lumbrel_wine_stop() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    if [ -n "$lumbrel_xvfb_pid" ]; then
        kill "$lumbrel_xvfb_pid" 2>/dev/null || true
        wait "$lumbrel_xvfb_pid" 2>/dev/null || true
        lumbrel_xvfb_pid=
    fi
}
