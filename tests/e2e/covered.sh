#!/usr/bin/env bash
# No key reaches a control that a panel covers: Tab cycles through the open
# panel only, so Space never draws from under the history panel, and after
# an unlock by Enter it confirms the settings instead of locking again; the
# credits code with Enter leaves the lock panel as it was.
source "$(dirname "$0")/lib.sh"
open_kulbo

click_history "$main"
keys_to "$main" Tab Tab Tab space             # the history box, 清除历史, 关闭, 生成txt报告
box=$(wait_other_window Kulbo "$main") || fail "the keys went under the history panel"
keys_to "$box" Return
wait_window_gone "$box" || fail "the failure box stayed open"
click_close_history "$main"
pass "the history panel keeps the keys"

click_settings "$main"
keys_to "$main" Return space                  # unlock, then 确定 has the focus
click_start "$main"
picks=$(export_report "$main") || fail "no report after the settings"
[ "$(wc -l <<< "$picks")" = 1 ] || fail "the main face was not back: picks \"$picks\""
pass "Space after an unlock confirms the settings"

# The credits code with Enter shows the credits once and keeps the lock panel.
click_settings "$main"
keys_to "$main" 7 3 1 9 5 2 8 4 6 0 1 7 3 6 4 5 2 8 Return
box=$(wait_window 版权) || fail "the credits code showed no credits"
keys_to "$box" Return
wait_window_gone "$box" || fail "the credits stayed open"
keys_to "$main" Tab Tab space                 # 解锁, 取消: the lock panel is still there
click_start "$main"
picks=$(export_report "$main") || fail "the credits opened the settings"
[ "$(wc -l <<< "$picks")" = 2 ] || fail "picks \"$picks\""
pass "the credits code with Enter keeps the lock panel"
