#!/usr/bin/env bash
# Every action by keyboard alone, in the tab order of the design: draw, edit
# the range, lock, Escape and Alt+E on the lock, Escape on the history, Enter
# and Alt+O unlock (Enter pressing no button as it moves the focus), settings
# (an option by the arrow keys, a check box by Space), history, report,
# and clear. Closing and its question are startup_and_close.sh's.
source "$(dirname "$0")/lib.sh"
open_kulbo

keys space                                  # the first focus is 开始
keys Tab space                              # 修改: only the maximum opens in random mode
set_clipboard 1
keys Tab End BackSpace BackSpace 3 0 shift+Home shift+Insert Tab space   # 30, no 1 pasted over it, then 完成
no_other_window Kulbo "$main" || fail "the range 1..30 was refused, or 1 pasted as its maximum"
pass "drawn, and the range edited, by keys; nothing pasted into it"

keys Tab space                              # 设置: the focus goes to the password box
keys alt+e Tab space                        # 取消 by its access key: 历史记录 can be pressed again
keys Escape shift+Tab space                 # Escape closes the history: back over 历史记录 to 设置
keys Escape space                           # and cancels the lock
keys a b c Return                           # unlocks; the focus goes to 确定
keys Tab Up                                 # the avoidance group: 启用避开
keys Tab space                              # 抽到号数时弹窗提示
keys shift+Tab shift+Tab shift+Tab space    # back over the group (one stop) and the avoid box to 确定
keys space alt+o space                      # 设置 again, 解锁 by its access key, and 确定
keys shift+Tab shift+Tab space              # the focus came back to 设置; up to 开始
answer "Kulbo - 选中的幸运号" "a pick by keys" Return
pass "settings changed by keys; the pick is announced"

keys Tab Tab Tab space                      # 历史记录; the focus goes to the history box
keys Tab Tab Tab space                      # 生成txt报告
answer 提示 "生成txt报告 by keys" Return
mapfile -t picks < <(iconv -f GBK -t UTF-8 "$(report_files | tail -1)" | sed -n 's/.*抽到幸运数: \[\([0-9]*\)\]\r$/\1/p')
[ "${#picks[@]}" = 2 ] && [ "${picks[1]}" -le 30 ] || fail "the report holds the picks ${picks[*]}, not two, the second of 1..30"
keys shift+Tab shift+Tab space              # 清除历史
answer "Kulbo - 清除历史" 清除历史 Escape      # 否
keys space; answer "Kulbo - 清除历史" 清除历史 y
keys Tab Tab space                          # 生成txt报告 on an empty history
answer Kulbo "exporting an empty history" Escape
keys shift+Tab space                        # 关闭
pass "history, report and clearing by keys"
