#!/usr/bin/env bash
# Editing the range in the real window: the maximum box keeps only digits and
# one point, an empty maximum is refused with an error box and keeps the
# window in editing, and a valid maximum sets the range the draw uses. The
# picks are read back from the text report.
source "$(dirname "$0")/lib.sh"
open_kulbo

# Replaces by typing what the maximum box holds; the box must be open.
type_maximum() {
  click_at "$main" 288 145
  press_keys End BackSpace BackSpace BackSpace BackSpace
  [ -z "$1" ] || type_text "$1"
  sleep 0.2
}
pick() { click_repeatedly "$main" 88 400 "$1" 80; sleep 0.2; }

# Random mode opens only the maximum. Of "中a1.x2.5" the box admits "1.2":
# the character, the letters and the second point are refused, and the box
# holds three characters. Had anything else arrived, the text would not be a
# number and "完成" would refuse it.
click_edit "$main"
type_maximum "中a1.x2.5"
click_edit "$main"                              # 完成
no_other_window Kulbo "$main" || fail "the filtered maximum was refused"
pick 5
pass "only digits and one point reached the maximum box"

# An empty maximum: one error box, and the range stays open.
click_edit "$main"
type_maximum ""
click_edit "$main"
box=$(wait_other_window Kulbo "$main") || fail "an empty maximum showed no error box"
keys_to "$box" Return
wait_window_gone "$box" || fail "the error box stayed open"
no_other_window Kulbo "$main" || fail "a second error box followed"
pick 2                                          # 开始 is disabled while editing
pass "an empty maximum is refused"

# A valid maximum: "x2a5" arrives as 25 and the draw runs again.
type_maximum "x2a5"
click_edit "$main"
no_other_window Kulbo "$main" || fail "the maximum 25 was refused"
pick 20

picks=$(export_report "$main") || fail "no report written"
[ "$(wc -l <<< "$picks")" -eq 25 ] || fail "expected 25 picks, the report holds $(wc -l <<< "$picks")"
first=$(head -5 <<< "$picks")
[ "$(sort -u <<< "$first")" = 1 ] || fail "picks in 1..1.2 were not all 1: $(tr '\n' ' ' <<< "$first")"
last=$(tail -20 <<< "$picks")
awk '$1 < 1 || $1 > 25 { bad = 1 } END { exit bad }' <<< "$last" || fail "a pick fell outside 1..25: $(tr '\n' ' ' <<< "$last")"
[ "$(sort -u <<< "$last" | wc -l)" -gt 1 ] || fail "twenty picks in 1..25 were all alike"
pass "the draw used 1..1.2, nothing while editing, then 1..25"
