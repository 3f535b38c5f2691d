#!/usr/bin/env bash
# Text typed into the real address box becomes the address its keys ask for: Ctrl, Shift and
# Ctrl+Shift with Enter put the domain around a word, "localhost" gets its scheme, and a drive
# path its forward slashes. Each opens a window of its own (AddressInNewWindow) whose tab
# shows the completed address (Wine's engine never tells a title).
source "$(dirname "$0")/lib.sh"
# TabSize: a tab shows the whole address, not the first twenty characters.
smoke_settled_program "ShowIndex=0" "TabSize=100" "NewSequence=0" "AddressInNewWindow=1"
smoke_start
smoke_ctl wait-window LumbrelMainFrame 20000 >/dev/null

smoke_ctl type LumbrelMainFrame lumbrel ctrl
smoke_check "Ctrl+Enter opens the .com address" smoke_ctl wait-tabs LumbrelMainFrame 1 10000
smoke_check "whose tab shows it" \
    test "$(smoke_ctl tab-text LumbrelMainFrame 0)" = "http://www.lumbrel.com"
smoke_check "and so does the address box" smoke_until 5 smoke_address_is "http://www.lumbrel.com"

smoke_ctl type LumbrelMainFrame lumbrel shift
smoke_check "Shift+Enter opens another window" smoke_ctl wait-tabs LumbrelMainFrame 2 10000
smoke_check "for the .net address" \
    test "$(smoke_ctl tab-text LumbrelMainFrame 1)" = "http://www.lumbrel.net"

smoke_ctl type LumbrelMainFrame lumbrel ctrl shift
smoke_check "Ctrl+Shift+Enter opens a third" smoke_ctl wait-tabs LumbrelMainFrame 3 10000
smoke_check "for the .com.cn address" \
    test "$(smoke_ctl tab-text LumbrelMainFrame 2)" = "http://www.lumbrel.com.cn"

smoke_ctl type LumbrelMainFrame localhost
smoke_check "plain Enter on localhost opens it over http" smoke_ctl wait-tabs LumbrelMainFrame 4 10000
smoke_check "as its tab shows" test "$(smoke_ctl tab-text LumbrelMainFrame 3)" = "http://localhost"

smoke_ctl type LumbrelMainFrame 'Z:\no-such-folder\page.htm'
smoke_check "a drive path opens a fifth window" smoke_ctl wait-tabs LumbrelMainFrame 5 10000
# The engine may name the file with its scheme in front.
drive_tab_is_slashed() {
    case "$(smoke_ctl tab-text LumbrelMainFrame 4)" in
    Z:/no-such-folder/page.htm | file:///Z:/no-such-folder/page.htm) return 0 ;;
    *) return 1 ;;
    esac
}
smoke_check "with forward slashes" drive_tab_is_slashed

smoke_ctl type LumbrelMainFrame justaword
smoke_check "a single word is searched with the checked engine" \
    smoke_ctl wait-tabs LumbrelMainFrame 6 10000
smoke_check "in a window of its own" \
    test "$(smoke_ctl tab-text LumbrelMainFrame 5)" = "http://www.google.com/search?q=justaword&ie=UTF-8"
smoke_screenshot address_input
smoke_close_all
smoke_finish
