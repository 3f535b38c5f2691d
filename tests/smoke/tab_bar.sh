#!/usr/bin/env bash
# The tab bar with the real mouse: a tab dragged onto another moves there and the tabs are
# numbered again; the bar below the pages or above them, shown and hidden by its command; and
# a screenshot of each of the three tab styles.
source "$(dirname "$0")/lib.sh"

# The text of tab $1 is $2.
smoke_tab_is() { test "$(smoke_ctl tab-text LumbrelMainFrame "$1")" = "$2"; }

smoke_tab_place_is() { test "$(smoke_ctl tab-place LumbrelMainFrame)" = "$1"; }

# Starts the program with the tab style $1 (placed at the top when $2 is 1) and three pages
# a, b, c in that order.
start_with_three_tabs() {
    smoke_settled_program "NewSequence=0" "ActiveNew=0"
    printf '[TabStyle]\r\nTabStyle=%s\r\nTabPos=%s\r\n' "$1" "${2:-0}" >>"$smoke_prog/User/Lumbrel.ini"
    smoke_start
    smoke_ctl wait-window LumbrelMainFrame 20000 >/dev/null
    local url
    for url in http://a.invalid/ http://b.invalid/ http://c.invalid/; do
        smoke_start "$url"
        smoke_wait_exit "$smoke_last_pid" 30
    done
    smoke_check "style $1: three pages handed over" smoke_ctl wait-tabs LumbrelMainFrame 3 10000
}

start_with_three_tabs 1
smoke_check "the first tab is a" smoke_until 10 smoke_tab_is 0 "1-http://a.invalid/"
smoke_ctl drag-tab LumbrelMainFrame 2 0
smoke_check "the third tab dragged onto the first is first" \
    smoke_until 10 smoke_tab_is 0 "1-http://c.invalid/"
smoke_check "and the others follow it, numbered again" \
    smoke_until 5 smoke_tab_is 1 "2-http://a.invalid/"
smoke_check "the third is b" smoke_tab_is 2 "3-http://b.invalid/"
smoke_check "the window that was active stays active" smoke_address_is "http://c.invalid/"
smoke_ctl drag-tab LumbrelMainFrame 1 1
smoke_check "a tab dropped on itself is selected by its press, as any tab clicked" \
    smoke_until 5 smoke_address_is "http://a.invalid/"
smoke_check "and stays where it was" smoke_tab_is 1 "2-http://a.invalid/"
smoke_check "still three windows" test "$(smoke_ctl children LumbrelMainFrame)" = 3
smoke_check "the tabs sit below the pages" smoke_tab_place_is below
smoke_screenshot tabs-style1
smoke_ctl post LumbrelMainFrame WM_COMMAND "$IDM_VIEW_TAB_BAR" 0 >/dev/null
smoke_check "\"Tab Bar\" hides the bar" smoke_until 5 smoke_tab_place_is hidden
smoke_ctl post LumbrelMainFrame WM_COMMAND "$IDM_VIEW_TAB_BAR" 0 >/dev/null
smoke_check "and shows it again, below the pages" smoke_until 5 smoke_tab_place_is below
smoke_close_all

start_with_three_tabs 1 1
smoke_check "placed at the top, the tabs sit above the pages" \
    smoke_until 10 smoke_tab_place_is above
smoke_check "the top bar's third tab is c" smoke_until 10 smoke_tab_is 2 "3-http://c.invalid/"
smoke_screenshot tabs-top
smoke_close_all

# The other two styles: a screenshot each, once the last tab shows its title.
screenshot_style() {
    start_with_three_tabs "$1"
    smoke_check "style $1: the third tab is c" smoke_until 10 smoke_tab_is 2 "3-http://c.invalid/"
    smoke_screenshot "tabs-style$1"
    smoke_close_all
}
screenshot_style 0
screenshot_style 2
smoke_finish
