#!/usr/bin/env bash
# A first start from a fresh program folder: the user folder and its settings file appear,
# the language is asked once, the main window shows "Lumbrel", and closing it writes the
# settings and ends the process.
source "$(dirname "$0")/lib.sh"
smoke_fresh_program
smoke_start
smoke_check "the language is asked at the first start" smoke_ctl press "Select Language" IDOK 20000
smoke_check "main window appears" test "$(smoke_ctl wait-window LumbrelMainFrame 20000)" = Lumbrel
smoke_check "User\\Lumbrel.ini made from the default" \
    grep -q "Lumbrel settings" "$smoke_prog/User/Lumbrel.ini"
smoke_check "the language choice is written" test "$(smoke_setting UseLngFile)" = 0
smoke_check "a running instance is marked" smoke_until 10 smoke_setting_is Running 1
smoke_check "SearchEngine.ini and Filter.ini copied" \
    test -f "$smoke_prog/User/SearchEngine.ini" -a -f "$smoke_prog/User/Filter.ini"
smoke_check "the deferred files are copied" smoke_until 10 test -f "$smoke_prog/User/Proxy.ini"
smoke_screenshot
smoke_ctl close LumbrelMainFrame
smoke_check "closing asks whether to exit" smoke_ctl press Lumbrel IDYES 10000
smoke_wait_exit "$smoke_last_pid" 30
smoke_check "clean exit" test "$smoke_exit_code" -eq 0
smoke_check "a clean exit writes Running=0" test "$(smoke_setting Running)" = 0
smoke_check "the close wrote the placement" grep -q -E '^Zoomed=[01]' "$smoke_prog/User/Lumbrel.ini"
smoke_finish
