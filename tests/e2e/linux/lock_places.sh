#!/usr/bin/env bash
# One copy per user, whatever the session says: a copy started without
# XDG_RUNTIME_DIR still meets the one started with it, and gives way; with no
# place of its own to lock, a copy says so and runs.
source "$(dirname "$0")/../lib.sh"
open_kulbo

second_copy_is_refused unset XDG_RUNTIME_DIR
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
