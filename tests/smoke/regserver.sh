#!/usr/bin/env bash
# /RegServer and /UnregServer write and remove the COM registration of the URL filter's class
# and end without opening a window.
source "$(dirname "$0")/lib.sh"
smoke_settled_program
progid='HKCR\Lumbrel.LumbrelNSHandle.1'
clsid='HKCR\CLSID\{7188BF3B-F152-4267-BF40-5950ED242E5B}'
lumbrel_wine reg delete "$progid" /f >/dev/null 2>&1

registered() { lumbrel_wine reg query "$1" >/dev/null 2>&1; }
unregistered() { ! registered "$1"; }
local_server_is_lumbrel() {
    lumbrel_wine reg query "$clsid\\LocalServer32" 2>/dev/null | tr -d '\r' | grep -qi lumbrel.exe
}

smoke_start /RegServer
smoke_wait_exit "$smoke_last_pid" 30
smoke_check "/RegServer ends by itself, successfully" test "$smoke_exit_code" -eq 0
smoke_check "without a main window" test "$(smoke_ctl count LumbrelMainFrame)" = 0
smoke_check "the ProgID is registered" registered "$progid\\CLSID"
smoke_check "the class has its local server" local_server_is_lumbrel

smoke_start -UnregServer
smoke_wait_exit "$smoke_last_pid" 30
smoke_check "/UnregServer ends by itself, successfully" test "$smoke_exit_code" -eq 0
smoke_check "the ProgID is gone" unregistered "$progid"
smoke_check "the class is gone" unregistered "$clsid"
smoke_finish
