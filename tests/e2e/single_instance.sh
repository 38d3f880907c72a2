#!/usr/bin/env bash
# One copy per user, whatever the session says: a copy started without
# XDG_RUNTIME_DIR still meets the one started with it, and gives way; with no
# place of its own to lock, a copy says so and runs.
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

# With no place of the user's own to lock, the program says so and runs.
if [ "$PRIVATE_LOCKS" = yes ]; then
  { kill -9 "$KULBO_PID"; wait "$KULBO_PID"; } 2> /dev/null || true
  mkdir -p "$HOME/.cache/kulbo"
  chmod 777 "$HOME/.cache/kulbo" "$WORK/user-temp"   # as another user could leave them
  (unset XDG_RUNTIME_DIR; exec_kulbo) > "$WORK/alone.log" 2>&1 &
  PIDS+=($!)
  wait_window Kulbo > /dev/null || fail "no window without a lock"
  grep -q "无法确认是否已有另一个 Kulbo 在运行" "$WORK/alone.log" || fail "no word about the missing lock"
  pass "no lock at all is said, and the program runs"
fi
