#!/usr/bin/env bash
# The window opens at its design size; a second copy is refused. Closing asks
# first, by the close box and by the system's own requests alike (on Linux
# SIGTERM, SIGHUP and SIGINT; on Windows the session's end, which wineboot
# sends): No keeps the program and its history, a request that comes while
# the question is open is asked after it, and only Yes ends the program (on
# Windows letting the session end). A killed copy blocks nothing.
source "$(dirname "$0")/lib.sh"
open_kulbo
[ "$(client_size "$main")" = "441x426" ] && window_centred "$main" || fail "the window is $(client_size "$main"), or not centred"
second_copy_is_refused true
pass "window shown at 441x426, centred; a second copy refused"
on_desktop "closing a tab asks the browser's own question (beforeunload), and a tab cannot be killed alone: tests/e2e/web/page_only.sh" || exit 0

# The system asks the program to end; on Windows $WORK/ended stands when
# the session went on ending.
system_asks_to_close() {  # the Linux signal
  if [ "$PLATFORM" = linux ]; then kill "-$1" "$KULBO_PID"; return; fi
  if "${LAUNCH[@]}" wineboot --end-session > /dev/null 2>&1; then touch "$WORK/ended"; fi
}

keys space                                       # 开始, which has the focus: a key waits for the window to be active
close_window "$main"
answer Kulbo "the close box" Return              # No is the default
system_asks_to_close TERM &
answer Kulbo "the system's request" Return
wait "$!"
[ ! -e "$WORK/ended" ] || fail "No did not cancel the session's end"
# The window is still there with its history: the report holds the pick.
[ "$(export_report | wc -l)" -eq 1 ] || fail "No to the close box or the system ended the program or lost the pick"
pass "the close box and the system's request ask, and No keeps the program and its history"

if [ "$PLATFORM" = linux ]; then
  kill -HUP "$KULBO_PID"
  wait_other_window Kulbo "$main" > /dev/null || fail "SIGHUP asked nothing"
  kill -INT "$KULBO_PID"
  sleep 0.3                                      # for the signal to arrive before the answer
  answer Kulbo SIGHUP Return
  pass "a request while the question is open is asked after it"
fi
system_asks_to_close TERM &
answer Kulbo "the system's request" shift+Tab space   # move to 是 and press it
wait "$!"
[ "$PLATFORM" = linux ] || [ -e "$WORK/ended" ] || fail "Yes did not let the session end"
ended "$KULBO_PID" || fail "Yes did not end the program"
wait "$KULBO_PID" || [ "$PLATFORM" = windows ] || fail "ended with a failing status"
pass "Yes ends the program"

# A copy that was killed leaves nothing behind that refuses the next one.
start_kulbo
wait_window Kulbo > /dev/null || fail "no window after a normal end"
{ kill -9 "$KULBO_PID"; wait "$KULBO_PID"; } 2> /dev/null || true
start_kulbo
wait_window Kulbo > /dev/null || fail "no window after a killed copy"
[ -z "$(windows_titled "运行中断 - Kulbo")" ] || fail "refused after a killed copy"
pass "a killed copy does not block the next start"
