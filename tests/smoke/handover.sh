#!/usr/bin/env bash
# A second start with a URL or an Internet Shortcut hands it to the running browser, which
# opens it in a new window; a URL longer than the hand-over record arrives cut to 2559.
source "$(dirname "$0")/lib.sh"
# FIXME: with the URL filter's namespace handler registered, the 2559-character address below
# makes Wine 8 fault inside its own shell32.dll (an access violation ignored in a window
# callback, the address's "a"s in a register); with both filters off it does not. The
# hand-over is what this run checks, so it runs without the handler until that is understood.
smoke_settled_program UseUrlFilter=0 UseDialogFilter=0
smoke_start
smoke_ctl wait-window LumbrelMainFrame 20000 >/dev/null
first=$smoke_last_pid
smoke_check "no window at the start (StartupMode 6)" test "$(smoke_ctl tabs LumbrelMainFrame)" = 0

smoke_start "http://handover.invalid/one"
smoke_wait_exit "$smoke_last_pid" 30
smoke_check "the second start ends" test "$smoke_exit_code" -eq 0
smoke_check "a URL adds a window" smoke_ctl wait-tabs LumbrelMainFrame 1 10000
smoke_check "the new window shows the URL" \
    smoke_until 10 smoke_address_is "http://handover.invalid/one"

printf '[InternetShortcut]\r\nURL=http://shortcut.invalid/page\r\n' >"$smoke_work/Site.url"
smoke_start "$(lumbrel_wine winepath -w "$smoke_work/Site.url" 2>/dev/null | tr -d '\r')"
smoke_wait_exit "$smoke_last_pid" 30
smoke_check "a .url file adds a window" smoke_ctl wait-tabs LumbrelMainFrame 2 10000
smoke_check "the shortcut's target is opened" \
    smoke_until 10 smoke_address_is "http://shortcut.invalid/page"

long="http://long.invalid/$(head -c 2980 /dev/zero | tr '\0' 'a')"
smoke_start "$long"
smoke_wait_exit "$smoke_last_pid" 30
smoke_check "a 3000-character URL adds a window" smoke_ctl wait-tabs LumbrelMainFrame 3 10000
smoke_check "which shows its address" smoke_until 10 smoke_address_is "${long:0:2559}"
received=$(smoke_ctl address LumbrelMainFrame)
smoke_check "and arrives cut to 2559 characters" test "${#received}" -eq 2559
smoke_check "cut from its end" test "$received" = "${long:0:2559}"
smoke_screenshot main_window_three_tabs

smoke_close_all
smoke_wait_exit "$first" 30
smoke_check "the running browser ends cleanly" test "$smoke_exit_code" -eq 0
smoke_finish
