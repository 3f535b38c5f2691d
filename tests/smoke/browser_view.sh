#!/usr/bin/env bash
# The hosted engine behind a browser window. An address typed into the address box makes the
# real control raise BeforeNavigate2, and the view shows its window and inserts its tab with
# the address as text (Wine's engine never tells a title). The page commands reach the
# control: Wine's engine names each of its methods that runs on its trace channel. Back and
# Forward stay with the view while the engine offers no step (it said so by
# CommandStateChange), and nothing of it faults.
source "$(dirname "$0")/lib.sh"
# TabSize: a tab shows the whole address, not the first twenty characters.
smoke_settled_program "ShowIndex=0" "TabSize=100"
address=http://localhost:9/lumbrel-smoke.html
WINEDEBUG=-all,err+seh,trace+ieframe,fixme+ieframe smoke_start
browser=$smoke_last_pid
smoke_ctl wait-window LumbrelMainFrame 20000 >/dev/null
smoke_check "no browser window before the address is typed" \
    test "$(smoke_ctl tabs LumbrelMainFrame)/$(smoke_ctl children LumbrelMainFrame)" = 0/0

smoke_ctl type LumbrelMainFrame "$address"
smoke_check "the control is asked for the address" \
    smoke_until 10 smoke_log_has "ieframe:WebBrowser_Navigate2" "{VT_BSTR: L\"$address\"}"
smoke_check "its BeforeNavigate2 inserts the window's tab" smoke_ctl wait-tabs LumbrelMainFrame 1 10000
smoke_check "with the address as the tab's text" \
    test "$(smoke_ctl tab-text LumbrelMainFrame 0)" = "$address"
smoke_check "the window is shown" test "$(smoke_ctl shown-children LumbrelMainFrame)" = 1
smoke_check "with the control (id 100) as its page" \
    test "$(smoke_ctl page-controls LumbrelMainFrame)" = 1
smoke_check "the address box keeps the address" smoke_until 5 smoke_address_is "$address"
smoke_screenshot browser_view

smoke_ctl post LumbrelMainFrame WM_COMMAND "$IDM_STOP" 0
smoke_check "Stop reaches the control" smoke_until 10 smoke_log_has "ieframe:WebBrowser_Stop"
smoke_ctl post LumbrelMainFrame WM_COMMAND "$IDM_REFRESH" 0
smoke_check "Refresh reaches it as a normal reload" \
    smoke_until 10 smoke_log_has "ieframe:WebBrowser_Refresh2" "{VT_I4: 0}"
smoke_ctl post LumbrelMainFrame WM_COMMAND "$IDM_BACK" 0
smoke_ctl post LumbrelMainFrame WM_COMMAND "$IDM_FORWARD" 0
# Messages are handled in order: once a second Stop has reached the control, so have these.
smoke_ctl post LumbrelMainFrame WM_COMMAND "$IDM_STOP" 0
smoke_check "the commands after Stop were handled" \
    smoke_until 10 smoke_log_count_is 2 "ieframe:WebBrowser_Stop"
smoke_check "Back and Forward wait for a step the engine offers" \
    smoke_log_count_is 0 "ieframe:WebBrowser_Go"
smoke_check "the browser is still up" kill -0 "$browser"
smoke_check "with its window and tab" test "$(smoke_ctl tabs LumbrelMainFrame)" = 1

smoke_close_all
smoke_check "it ends cleanly" test "$smoke_exit_code" -eq 0
smoke_finish
