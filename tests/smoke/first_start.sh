#!/usr/bin/env bash
# A first start from a fresh program folder: the user folder and its settings file appear,
# the main window shows "Lumbrel", and closing it writes the settings and ends the process.
source "$(dirname "$0")/lib.sh"
smoke_fresh_program
smoke_start
smoke_check "main window appears" test "$(smoke_ctl wait-window LumbrelMainFrame 20000)" = Lumbrel
smoke_check "User\\Lumbrel.ini copied from the default" \
    cmp -s "$smoke_prog/User/Lumbrel.ini" "$smoke_prog/Resource/Lumbrel.ini.default"
smoke_check "SearchEngine.ini and Filter.ini copied" \
    test -f "$smoke_prog/User/SearchEngine.ini" -a -f "$smoke_prog/User/Filter.ini"
smoke_screenshot
smoke_ctl close LumbrelMainFrame
smoke_wait_exit "$smoke_last_pid" 30
smoke_check "clean exit" test "$smoke_exit_code" -eq 0
smoke_check "close wrote the placement" grep -q -E '^Zoomed=[01]' "$smoke_prog/User/Lumbrel.ini"
smoke_finish
