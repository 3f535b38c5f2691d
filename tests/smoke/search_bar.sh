#!/usr/bin/env bash
# The search bar's band in the real program: a keyword typed into its box and Enter open the
# checked engine's search in a window of its own, the keyword joins the box's list and is
# written at exit, and a word typed into the address box goes the same way.
source "$(dirname "$0")/lib.sh"
smoke_settled_program "ShowIndex=0" "TabSize=100" "NewSequence=0"
smoke_start
smoke_ctl wait-window LumbrelMainFrame 20000 >/dev/null

smoke_ctl type-search LumbrelMainFrame "two words"
smoke_check "Enter in the keyword box searches with the checked engine" \
    smoke_ctl wait-tabs LumbrelMainFrame 1 10000
smoke_check "its address carries the keyword in UTF-8" \
    test "$(smoke_ctl tab-text LumbrelMainFrame 0)" = \
    "http://www.google.com/search?q=two%20words&ie=UTF-8"

smoke_ctl type LumbrelMainFrame lumbrel
smoke_check "a word in the address box is searched too" \
    smoke_ctl wait-tabs LumbrelMainFrame 2 10000
smoke_check "in a second window" \
    test "$(smoke_ctl tab-text LumbrelMainFrame 1)" = \
    "http://www.google.com/search?q=lumbrel&ie=UTF-8"
smoke_screenshot search_bar
smoke_close_all
smoke_check "the typed keywords are written at exit" \
    grep -q -E '^key0=lumbrel' "$smoke_prog/User/Lumbrel.ini"
smoke_check "newest first" grep -q -E '^key1=two words' "$smoke_prog/User/Lumbrel.ini"
smoke_finish
