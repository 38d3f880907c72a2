#!/usr/bin/env bash
# The window opens at its design size; a second copy is refused; closing asks
# first, and only Yes ends the program; a killed copy blocks nothing.
source "$(dirname "$0")/lib.sh"
open_kulbo
[ "$(client_size "$main")" = "441x426" ] || fail "client area is $(client_size "$main"), not 441x426"
window_centred "$main" || fail "the window is not centred"
pass "window shown at 441x426"

second_copy_is_refused true
alive "$KULBO_PID" || fail "first copy ended"
pass "second copy refused"
on_desktop "closing a tab asks the browser's own question (beforeunload), and a tab cannot be killed alone: tests/e2e/web/page_only.sh" || exit 0

close_window "$main"
question=$(wait_other_window Kulbo "$main") || fail "closing asked nothing"
keys_to "$question" Return   # No is the default
wait_window_gone "$question" || fail "question stayed open"
alive "$KULBO_PID" || fail "answering No ended the program"
xwininfo -id "$main" | grep -q IsViewable || fail "window gone after No"
pass "No keeps the window"

close_window "$main"
question=$(wait_other_window Kulbo "$main") || fail "second close asked nothing"
keys_to "$question" shift+Tab space   # move to 是 and press it
for _ in $(seq 50); do alive "$KULBO_PID" || break; sleep 0.1; done
alive "$KULBO_PID" && fail "Yes did not end the program"
pass "Yes ends the program"

# A copy that was killed leaves nothing behind that refuses the next one.
start_kulbo
wait_window Kulbo > /dev/null || fail "no window after a normal end"
{ kill -9 "$KULBO_PID"; wait "$KULBO_PID"; } 2> /dev/null || true
start_kulbo
wait_window Kulbo > /dev/null || fail "no window after a killed copy"
[ -z "$(windows_titled "运行中断 - Kulbo")" ] || fail "refused after a killed copy"
pass "a killed copy does not block the next start"
