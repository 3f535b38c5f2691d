#!/usr/bin/env bash
# A stroke drawn with the right button over a page runs the gesture bound to it: "R" is bound to
# "Next Window", so the other of two windows becomes the active one.
source "$(dirname "$0")/lib.sh"
smoke_settled_program "NewSequence=0"
printf '[MouseGesture]\r\nN0=R\r\nC0=%s\r\nN1=\r\n' "$IDM_NEXT_WINDOW" >>"$smoke_prog/User/Lumbrel.ini"
smoke_start
smoke_ctl wait-window LumbrelMainFrame 20000 >/dev/null
for url in http://a.invalid/ http://b.invalid/; do
    smoke_start "$url"
    smoke_wait_exit "$smoke_last_pid" 30
done
smoke_check "two pages handed over" smoke_ctl wait-tabs LumbrelMainFrame 2 10000
smoke_check "the second is active" smoke_until 10 smoke_address_is "http://b.invalid/"
smoke_ctl right-drag LumbrelMainFrame 120 0
smoke_check "the right stroke switches to the other window" \
    smoke_until 10 smoke_address_is "http://a.invalid/"
smoke_ctl right-drag LumbrelMainFrame 0 120
sleep 2
smoke_check "a stroke bound to nothing switches nothing" smoke_address_is "http://a.invalid/"
smoke_screenshot mouse_gesture
smoke_close_all
smoke_finish
