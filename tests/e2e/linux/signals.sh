#!/usr/bin/env bash
# The system's requests to close (SIGTERM, SIGHUP, SIGINT) ask the window's
# question like the close button: No keeps the program and its history, a
# request that comes while a box is open waits for it, Yes ends the program.
source "$(dirname "$0")/../lib.sh"
open_kulbo
click_start "$main"

kill -TERM "$KULBO_PID"
question=$(wait_other_window Kulbo "$main") || fail "SIGTERM asked nothing"
keys_to "$question" Return   # No is the default
wait_window_gone "$question" || fail "question stayed open"
alive "$KULBO_PID" || fail "answering No to SIGTERM ended the program"
[ "$(export_report "$main" | wc -l)" -eq 1 ] || fail "the history did not keep the pick"
pass "SIGTERM asks, and No keeps the program and its history"

kill -HUP "$KULBO_PID"
question=$(wait_other_window Kulbo "$main") || fail "SIGHUP asked nothing"
kill -INT "$KULBO_PID"
sleep 0.3
keys_to "$question" Return
wait_window_gone "$question" || fail "question stayed open"
question=$(wait_other_window Kulbo "$main") || fail "SIGINT during the question was lost"
pass "a request while a box is open is asked after it"

keys_to "$question" shift+Tab space   # move to 是 and press it
for _ in $(seq 50); do alive "$KULBO_PID" || break; sleep 0.1; done
alive "$KULBO_PID" && fail "Yes did not end the program"
status=0
wait "$KULBO_PID" || status=$?
[ "$status" -eq 0 ] || fail "ended with status $status"
pass "Yes ends the program with status 0"
