#!/usr/bin/env bash
# The favorites and groups in the running program: a favorites folder of its own becomes the
# "Favorites" menu once the deferred start has run, and its favorite's command opens the page;
# a group's command opens its members except the one that stays closed; a screenshot with the
# "Favorites" menu dropped down, and one with the favorites side bar beside the pages. (The order of the menu, read back through the menu API, is
# proven by the binding test run in the program's own process.)
source "$(dirname "$0")/lib.sh"

# The text of tab $1 is $2.
smoke_tab_is() { test "$(smoke_ctl tab-text LumbrelMainFrame "$1")" = "$2"; }

smoke_settled_program "UseDefaultFavPath=0" 'FavPath=.\Fav' "UseDefaultLinkPath=0" \
    "SingleMenu=1" "FavInNewWindow=1" "NewSequence=0"
mkdir -p "$smoke_prog/Fav/News" "$smoke_prog/Fav/Beta" "$smoke_prog/groups"
favorite() { printf '[InternetShortcut]\r\nURL=%s\r\n' "$2" >"$smoke_prog/Fav/$1"; }
# The root holds one favorite, so the first favorite command of the build is it.
favorite "Only One.url" http://fav.invalid/
favorite "News/daily.url" http://daily.invalid/
favorite "News/weekly.url" http://weekly.invalid/
printf '[Group]\r\nname0=A\r\nurl0=http://a.invalid/\r\nname1=B\r\nurl1=http://b.invalid/\r\nstate1=0\r\nname2=C\r\nurl2=http://c.invalid/\r\n' \
    >"$smoke_prog/groups/Work.cgp"

smoke_start
smoke_ctl wait-window LumbrelMainFrame 20000 >/dev/null
# The deferred start is posted once the window is up; a command posted now queues behind it.
sleep 1
smoke_ctl post LumbrelMainFrame WM_COMMAND "$IDM_FAVORITE_FIRST" 0 >/dev/null
smoke_check "the favorite's command opens its page" \
    smoke_until 10 smoke_address_is "http://fav.invalid/"

smoke_ctl post LumbrelMainFrame WM_COMMAND "$IDM_GROUP_OPEN_FIRST" 0 >/dev/null
smoke_check "the group opens its two open members after the page" \
    smoke_ctl wait-tabs LumbrelMainFrame 3 10000
smoke_check "the first member comes second" \
    smoke_until 10 smoke_tab_is 1 "2-http://a.invalid/"
smoke_check "the member after the closed one comes last" \
    smoke_until 10 smoke_tab_is 2 "3-http://c.invalid/"

smoke_ctl key LumbrelMainFrame A alt >/dev/null
smoke_screenshot favorites-menu
smoke_ctl key LumbrelMainFrame ESCAPE >/dev/null
smoke_ctl key LumbrelMainFrame ESCAPE >/dev/null

smoke_ctl post LumbrelMainFrame WM_COMMAND "$IDM_SIDEBAR_FAVORITES" 0 >/dev/null
# Shown beside the pages (proven by the binding test); here for the picture.
sleep 1
smoke_screenshot favorites-side-bar
smoke_close_all
smoke_finish
