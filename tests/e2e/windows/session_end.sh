#!/usr/bin/env bash
# The end of the Windows session asks the closing question like the close
# box: No keeps the program and cancels the end, Yes ends the program and
# lets the session end. (Wine's wineboot sends WM_QUERYENDSESSION.)
source "$(dirname "$0")/../lib.sh"
open_kulbo
click_start "$main"

end_session() {
  local status=0
  "${LAUNCH[@]}" wineboot --end-session > /dev/null 2>&1 || status=$?
  echo "$status" > "$WORK/ended"
}

end_session &
question=$(wait_other_window Kulbo "$main") || fail "the session's end asked nothing"
keys_to "$question" Return   # No is the default
wait "$!"
[ "$(cat "$WORK/ended")" != 0 ] || fail "No did not cancel the session's end"
alive "$KULBO_PID" || fail "answering No ended the program"
[ "$(export_report "$main" | wc -l)" -eq 1 ] || fail "the history did not keep the pick"
pass "No keeps the program and its history, and cancels the session's end"

end_session &
question=$(wait_other_window Kulbo "$main") || fail "the second end asked nothing"
keys_to "$question" y
wait "$!"
[ "$(cat "$WORK/ended")" = 0 ] || fail "Yes did not let the session end"
for _ in $(seq 50); do alive "$KULBO_PID" || break; sleep 0.1; done
alive "$KULBO_PID" && fail "Yes did not end the program"
pass "Yes ends the program and the session goes on ending"
