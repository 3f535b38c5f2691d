#!/usr/bin/env bash
# A run that is killed, not closed: the next start offers the windows of the last periodic save
# in the Page Manager, whatever the start mode says, and opens the rows left ticked.
source "$(dirname "$0")/lib.sh"

smoke_visiting_has_three() {
    local file=$smoke_prog/User/Visiting.ini
    [ -f "$file" ] && grep -q "url2=http://c.invalid/" "$file"
}

smoke_settled_program "NewSequence=0" "ActiveNew=0"
smoke_start
smoke_ctl wait-window LumbrelMainFrame 20000 >/dev/null
first=$smoke_last_pid
for url in http://a.invalid/ http://b.invalid/ http://c.invalid/; do
    smoke_start "$url"
    smoke_wait_exit "$smoke_last_pid" 30
done
smoke_check "three windows open" smoke_ctl wait-tabs LumbrelMainFrame 3 10000
smoke_check "the periodic save wrote them" smoke_until 75 smoke_visiting_has_three
kill -KILL "$first"
smoke_wait_exit "$first" 10
smoke_check "the run was cut short" test "$(smoke_setting Running)" = 1
# A start that would open a blank page after a clean end.
sed -i 's/^StartupMode=6\r$/StartupMode=0\r/' "$smoke_prog/User/Lumbrel.ini"
smoke_check "the next start is in mode 0" test "$(smoke_setting StartupMode)" = 0

smoke_start
rows=$(smoke_ctl list-rows "Page Manager" "$IDC_PM_LIST" 20000)
echo "$rows" | sed 's/^/  row: /'
smoke_check "the Page Manager offers the three windows" test "$(wc -l <<<"$rows")" = 3
smoke_check "in their order, ticked" test "$(cut -f1,4 <<<"$rows" | tr '\t\n' ' |')" = \
    "1 http://a.invalid/|1 http://b.invalid/|1 http://c.invalid/|"
smoke_screenshot
smoke_ctl press "Page Manager" IDOK 5000
smoke_check "OK opens them again" smoke_ctl wait-tabs LumbrelMainFrame 3 10000
smoke_check "the periodic save became the last session" \
    grep -q "url2=http://c.invalid/" "$smoke_prog/User/LastVisit.ini"
smoke_close_all
smoke_finish
