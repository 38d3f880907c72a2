#!/usr/bin/env bash
# 不重复方式 in the real window: chosen by keyboard on the settings panel, the
# range set to 1..5 by keyboard with both boxes open, then five picks draw
# five different numbers, the last of them with a box that ends the round;
# the text report holds each of 1..5 once.
source "$(dirname "$0")/lib.sh"
open_kulbo
keys() { keys_to "$main" "$@"; }
pick() { click_repeatedly "$main" 88 400 "$1" 150; }

keys Tab Tab space Return                   # 设置, and unlock: the focus goes to 确定
keys Tab Tab Tab Tab Down                   # over the avoidance group and two boxes to 随机方式, then 不重复方式
keys shift+Tab shift+Tab shift+Tab shift+Tab space   # back to 确定; the focus returns to 设置
keys shift+Tab space                        # 修改
keys shift+Tab shift+Tab End BackSpace BackSpace 1 Tab End BackSpace BackSpace 5 Tab space   # 1 and 5, then 完成
no_other_window Kulbo "$main" || fail "the range 1..5 was refused"
pass "the mode and the range 1..5 chosen by keys"

pick 4
no_other_window Kulbo "$main" || fail "a box came before the round was complete"
pick 1
answer Kulbo "the round's last pick" Return
pass "the fifth pick ends the round with a box"

picks=$(export_report) || fail "no report written"
[ "$(sort -n <<< "$picks" | tr '\n' ' ')" = "1 2 3 4 5 " ] ||
  fail "five picks in 1..5 were not each number once: $(tr '\n' ' ' <<< "$picks")"
pass "five picks drew 1..5, each once"
