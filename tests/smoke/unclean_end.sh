#!/usr/bin/env bash
# A first start after a run that did not end cleanly (Running left at 1) offers the windows of
# the last periodic save; a second instance started meanwhile does not.
source "$(dirname "$0")/lib.sh"
smoke_settled_program "Running=1" "StartupMode=3"
printf '[LastVisit]\r\nurl0=http://stale.invalid/\r\n' >"$smoke_prog/User/LastVisit.ini"
touch -d "-1 minute" "$smoke_prog/User/LastVisit.ini"
printf '[LastVisit]\r\nstate0=0\r\nname0=One\r\nurl0=http://one.invalid/\r\nstate1=4\r\nname1=Two\r\nurl1=http://two.invalid/\r\n' \
    >"$smoke_prog/User/Visiting.ini"
smoke_start
smoke_ctl wait-window LumbrelMainFrame 20000 >/dev/null
smoke_check "the Page Manager offers them and is confirmed" smoke_ctl press "Page Manager" IDOK 20000
smoke_check "the windows of the periodic save open again" smoke_ctl wait-tabs LumbrelMainFrame 2 10000
smoke_check "the periodic save became the last session" \
    grep -q "url1=http://two.invalid/" "$smoke_prog/User/LastVisit.ini"
smoke_check "Visiting.ini was moved" test ! -f "$smoke_prog/User/Visiting.ini"

printf '[LastVisit]\r\nurl0=http://third.invalid/\r\n' >"$smoke_prog/User/Visiting.ini"
smoke_start
smoke_check "a second instance starts" smoke_until 10 smoke_window_count_is 2
sleep 1
smoke_check "and leaves the periodic save alone" \
    grep -q "third.invalid" "$smoke_prog/User/Visiting.ini"
smoke_close_all
smoke_check "a clean exit writes Running=0" test "$(smoke_setting Running)" = 0
smoke_check "and the window placement" grep -q -E '^(Zoomed|top)=' "$smoke_prog/User/Lumbrel.ini"
smoke_finish
