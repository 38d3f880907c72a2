#!/usr/bin/env bash
# The settings in the real window, each reached through the lock with Enter:
# a title typed in Chinese becomes the window's title, the announcement shows
# its box on a pick, and switching viewing off refuses the history; with no
# browser, 进入官网 gives the address in a box.
source "$(dirname "$0")/lib.sh"
# No browser takes the address: Wine's is switched off in the test prefix,
# and the Linux program finds neither xdg-open nor a browser on its path.
[ "$PLATFORM" = linux ] && RUN_AS=(env -u BROWSER -u DEFAULT_BROWSER PATH="$WORK/program")
open_kulbo

confirm_settings() { click_at "$main" 380 396; }   # 确定

# Enter opens the settings wherever the focus is: here on "设置" itself.
click_settings "$main"
keys_to "$main" Return
click_at "$main" 284 346                          # the title box
type_into "$main" 180 341 212 16 "三年二班"
confirm_settings
titled=$(wait_window "三年二班 - Kulbo") || fail "the window title is \"$(window_title "$main")\""
[ "$titled" = "$main" ] || fail "another window took the title"
pass "the title 三年二班 was applied"

# Enter in the password box, with some text in it, opens them as well.
click_settings "$main"
click_at "$main" 280 140                          # the password box
type_text "abc"
keys_to "$main" Return
click_at "$main" 40 204                           # 抽到号数时弹窗提示
confirm_settings
click_start "$main"
box=$(wait_window "Kulbo - 选中的幸运号") || fail "a pick showed no announcement"
keys_to "$box" Return
wait_window_gone "$box" || fail "the announcement stayed open"
pass "the announcement shows on a pick"

click_settings "$main"
keys_to "$main" Return
click_at "$main" 40 228                           # 允许查看历史记录
confirm_settings
click_history "$main"
box=$(wait_window Kulbo) || fail "the history was not refused"   # the main window has its own title now
keys_to "$box" Return
wait_window_gone "$box" || fail "the refusal stayed open"
# The main face is still on top: 开始 takes the click and announces it.
click_start "$main"
box=$(wait_window "Kulbo - 选中的幸运号") || fail "the history panel covers the main face"
keys_to "$box" Return
wait_window_gone "$box" || fail "the announcement stayed open"
pass "switching viewing off refuses the history"

# 关于 shows its box; 进入官网, with no browser to take the address, says so
# in a box of its own and leaves the panel open.
click_settings "$main"
keys_to "$main" Return
click_at "$main" 292 396                          # 关于
box=$(wait_window "Kulbo - 关于") || fail "关于 showed no box"
keys_to "$box" Return
wait_window_gone "$box" || fail "the About box stayed open"
click_at "$main" 204 396                          # 进入官网
if on_desktop "a page always has its browser: 进入官网 opens a tab (web/page_only.sh)"; then
  box=$(wait_other_window Kulbo "$main") || fail "进入官网 without a browser said nothing"
  keys_to "$box" Return
  wait_window_gone "$box" || fail "the box without a browser stayed open"
fi
click_at "$main" 292 396                          # the settings are still there
box=$(wait_window "Kulbo - 关于") || fail "进入官网 closed the settings"
keys_to "$box" Return
alive "$KULBO_PID" || fail "the website ended the program"
pass "关于 shows its box; 进入官网 without a browser says so and keeps the settings open"
