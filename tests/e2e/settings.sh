#!/usr/bin/env bash
# The settings in the real window, each reached through the lock with Enter:
# a title typed in Chinese becomes the window's title, the announcement shows
# its box on a pick, and switching viewing off refuses the history.
source "$(dirname "$0")/lib.sh"
open_kulbo

confirm_settings() { click_at "$main" 380 396; }   # 确定

# Enter opens the settings wherever the focus is: here on "设置" itself.
click_settings "$main"
keys_to "$main" Return
click_at "$main" 284 346                          # the title box
xdotool type --delay 80 "三年二班"
confirm_settings
titled=$(wait_window "三年二班 - Kulbo") || fail "the window title is \"$(xdotool getwindowname "$main")\""
[ "$titled" = "$main" ] || fail "another window took the title"
pass "the title 三年二班 was applied"

# Enter in the password box, with some text in it, opens them as well.
click_settings "$main"
click_at "$main" 280 140                          # the password box
xdotool type --delay 40 "abc"
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

# 关于 shows its box; 进入官网 shows nothing and leaves the panel open, also
# when no browser can take the address.
click_settings "$main"
keys_to "$main" Return
click_at "$main" 292 396                          # 关于
box=$(wait_window "Kulbo - 关于") || fail "关于 showed no box"
keys_to "$box" Return
wait_window_gone "$box" || fail "the About box stayed open"
click_at "$main" 204 396                          # 进入官网
no_other_window "Kulbo - 关于" "" || fail "a box came up"
click_at "$main" 292 396                          # the settings are still there
box=$(wait_window "Kulbo - 关于") || fail "进入官网 closed the settings"
keys_to "$box" Return
alive "$KULBO_PID" || fail "the website ended the program"
pass "关于 shows its box; 进入官网 keeps the settings open"
