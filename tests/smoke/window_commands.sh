#!/usr/bin/env bash
# Commands reach the window list from the keyboard and the menu: closing a window, undoing the
# close, new blank windows, and an idle blank window taking the next page.
source "$(dirname "$0")/lib.sh"
smoke_settled_program "NewSequence=0"
smoke_start
smoke_ctl wait-window LumbrelMainFrame 20000 >/dev/null
for url in http://a.invalid/ http://b.invalid/; do
    smoke_start "$url"
    smoke_wait_exit "$smoke_last_pid" 30
done
smoke_check "two pages handed over" smoke_ctl wait-tabs LumbrelMainFrame 2 10000
smoke_ctl key LumbrelMainFrame W ctrl
smoke_check "Ctrl+W closes the active one" smoke_ctl wait-tabs LumbrelMainFrame 1 10000
smoke_check "its browser window is gone too" test "$(smoke_ctl children LumbrelMainFrame)" = 1
smoke_ctl key LumbrelMainFrame Z alt
smoke_check "Alt+Z brings it back" smoke_ctl wait-tabs LumbrelMainFrame 2 10000

smoke_ctl key LumbrelMainFrame F1
smoke_check "F1 opens a blank page" smoke_ctl wait-tabs LumbrelMainFrame 3 10000
smoke_ctl post LumbrelMainFrame WM_COMMAND "$IDM_BLANK_PAGE" 0
smoke_check "so does the menu command" smoke_ctl wait-tabs LumbrelMainFrame 4 10000
smoke_check "each is a browser window" test "$(smoke_ctl children LumbrelMainFrame)" = 4
smoke_start "http://c.invalid/"
smoke_wait_exit "$smoke_last_pid" 30
smoke_check "the next page takes an idle blank window" \
    smoke_until 10 smoke_address_is "http://c.invalid/"
smoke_check "instead of a new one" test "$(smoke_ctl tabs LumbrelMainFrame)" = 4
smoke_screenshot window_commands
smoke_close_all
smoke_finish
