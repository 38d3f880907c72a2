#!/usr/bin/env bash
# A second copy's refusal is centred on the screen and wide enough for its
# whole title; once it is answered, the window of the copy that runs comes
# to the front, restored from the task bar. A copy that hangs holds the
# second one up no longer than one that runs. One copy per user, whatever
# the session says: a copy started without XDG_RUNTIME_DIR still meets the
# one started with it, and gives way; with no place of its own to lock, a
# copy says so and runs.
source "$(dirname "$0")/../lib.sh"
open_kulbo
timeout 5 xdotool windowminimize --sync "$main" || fail "the window could not be minimized"

(exec_kulbo) > "$WORK/second.log" 2>&1 &
PIDS+=($!)
refusal=$(wait_window "运行中断 - Kulbo") || fail "the second copy showed no refusal"
read -r x y w h < <(geometry "$refusal")
centred "$x" "$y" "$w" "$h" 20 || fail "the refusal is not centred: ${w}x$h at $x,$y"
[ "$w" -ge 220 ] || fail "the refusal is $w pixels wide, too narrow for its title"
pass "the refusal is centred on the screen, $w pixels wide"

keys_to "$refusal" Return
ended "${PIDS[-1]}" || fail "the second copy still runs after its refusal"
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$main" ]; }
within 50 active || fail "the running window was not activated"
hidden "$main" && fail "the running window stayed minimized"
pass "the running window comes to the front"

kill -STOP "$KULBO_PID"
second_copy_is_refused true
kill -CONT "$KULBO_PID"
pass "a hung copy does not hold up the second"

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
