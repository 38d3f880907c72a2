#!/usr/bin/env bash
# One copy per user, whatever the session says: a copy started without
# XDG_RUNTIME_DIR still meets the one started with it, and gives way.
source "$(dirname "$0")/lib.sh"
start_x
start_window_manager
start_kulbo
main=$(wait_window Kulbo) || fail "main window did not appear"

(unset XDG_RUNTIME_DIR; exec_kulbo) > "$WORK/second.log" 2>&1 &
second=$!
PIDS+=($second)
refusal=$(wait_window "运行中断 - Kulbo") || fail "a copy without XDG_RUNTIME_DIR showed no refusal"
keys_to "$refusal" Return
for _ in $(seq 50); do alive "$second" || break; sleep 0.1; done
alive "$second" && fail "second copy still running after its refusal"
alive "$KULBO_PID" || fail "first copy ended"
[ "$(windows_titled Kulbo)" = "$main" ] || fail "second copy opened a window"
pass "a copy without XDG_RUNTIME_DIR gives way"
