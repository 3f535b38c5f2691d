#!/usr/bin/env bash
# The options dialog on screen: the options command opens it over the main window, every page of
# its tree is shown in turn and photographed (options-1 ... options-17), and OK closes it.
source "$(dirname "$0")/lib.sh"

smoke_settled_program
smoke_start
smoke_ctl wait-window LumbrelMainFrame 20000 >/dev/null
# The deferred start is posted once the window is up; a command posted now queues behind it.
sleep 1
smoke_ctl post LumbrelMainFrame WM_COMMAND "$IDM_OPTIONS" 0 >/dev/null
smoke_check "the options command opens the dialog" smoke_ctl wait-window "#32770" 10000
sleep 1
smoke_screenshot options-1
for page in $(seq 2 17); do
    smoke_check "page $page follows in the tree" smoke_ctl tree-next "#32770"
    smoke_screenshot "options-$page"
done
smoke_check "the tree ends after the seventeenth page" test "$(smoke_ctl tree-next "#32770"; echo $?)" = 1
# Buttons are pressed in the dialog named by its caption; the pages are dialogs too.
no_dialog_shown() { test "$(smoke_ctl count "#32770")" = 0; }
smoke_ctl press Options IDOK 5000 >/dev/null
smoke_check "OK closes the dialog" smoke_until 10 no_dialog_shown
smoke_close_all
smoke_finish
