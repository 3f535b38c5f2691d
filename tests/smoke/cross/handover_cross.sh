#!/usr/bin/env bash
# A 64-bit browser receives the URL of a 32-bit second start, and the other way round: the
# hand-over record, its mapping, the mutex, the window property and the message are the same
# for both builds. Runs in the 64-bit test prefix, which starts 32-bit programs through the
# 32-bit loader (only on machines that run both).
#   handover_cross.sh DIST32 DIST64 BUILD64
dist32=$(cd "${1:?32-bit program folder}" && pwd)
dist64=$(cd "${2:?64-bit program folder}" && pwd)
build64=$(cd "${3:?64-bit build tree}" && pwd)
set -- "$dist64" "$build64/smoke/handover_cross" "$build64/tests/smoke/smokectl.exe" x86_64 "$build64/smoke/ids.sh"
source "$(dirname "$0")/../lib.sh"
loader32=${LUMBREL_CROSS_LOADER32:-$lumbrel_loader_dir/wine}

# Two settled program folders, one per build, side by side in the scratch folder.
smoke_settled_program
mv "$smoke_prog" "$smoke_work/prog64"
prog64=$smoke_work/prog64
cp -r "$dist32" "$smoke_work/prog32"
rm -rf "$smoke_work/prog32/User"
cp -r "$prog64/User" "$smoke_work/prog32/User"
prog32=$smoke_work/prog32

receives() {  # description; receiver folder and loader, sender folder and loader, URL
    local what=$1 rprog=$2 rloader=$3 sprog=$4 sloader=$5 url=$6
    smoke_prog=$rprog
    SMOKE_PROG=$rprog SMOKE_LOADER=$rloader smoke_start
    local receiver=$smoke_last_pid
    smoke_check "$what: the browser starts" smoke_ctl wait-window LumbrelMainFrame 20000
    SMOKE_PROG=$sprog SMOKE_LOADER=$sloader smoke_start "$url"
    smoke_wait_exit "$smoke_last_pid" 30
    smoke_check "$what: the second start ends successfully" test "$smoke_exit_code" -eq 0
    smoke_check "$what: one browser only" smoke_window_count_is 1
    smoke_check "$what: the URL arrives in a new window" smoke_ctl wait-tabs LumbrelMainFrame 1 10000
    smoke_check "$what: whole" smoke_until 10 smoke_address_is "$url"
    smoke_ctl close LumbrelMainFrame
    smoke_wait_exit "$receiver" 30
    smoke_check "$what: the browser ends cleanly" test "$smoke_exit_code" -eq 0
}

receives "64-bit browser, 32-bit second start" "$prog64" "$WINELOADER" "$prog32" "$loader32" \
    "http://from32.invalid/page?q=1"
receives "32-bit browser, 64-bit second start" "$prog32" "$loader32" "$prog64" "$WINELOADER" \
    "http://from64.invalid/page?q=2"
smoke_finish
