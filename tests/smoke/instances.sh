#!/usr/bin/env bash
# Two starts without a URL: two browsers with ForbidMult 0, one with ForbidMult 1 (the second
# start only brings the first forward and ends).
source "$(dirname "$0")/lib.sh"

smoke_settled_program "ForbidMult=0"
smoke_start
smoke_ctl wait-window LumbrelMainFrame 20000 >/dev/null
smoke_start
smoke_check "ForbidMult 0: two main windows" smoke_until 10 smoke_window_count_is 2
smoke_close_all

smoke_settled_program "ForbidMult=1"
smoke_pids=()
smoke_start
smoke_ctl wait-window LumbrelMainFrame 20000 >/dev/null
smoke_start
smoke_wait_exit "$smoke_last_pid" 30
smoke_check "ForbidMult 1: the second start ends by itself" test "$smoke_exit_code" -eq 0
smoke_check "ForbidMult 1: one main window" test "$(smoke_ctl count LumbrelMainFrame)" = 1
smoke_close_all
smoke_finish
