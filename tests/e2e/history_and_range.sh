#!/usr/bin/env bash
# The history and the range in one run of the program. Three picks, kept when
# clearing is answered with the default No, give one text report beside the
# program, named by its local time stamp, in GBK with CR LF line ends, and a
# "提示" box; once the history is cleared with 是, exporting fails with a
# "Kulbo" box and writes nothing. Then the range: the maximum box keeps only
# digits and one point, an empty maximum is refused with an error box and
# keeps the window in editing, and a valid maximum sets the range the draw
# uses, as the next report shows, and the display shows the digits whole at
# the size it fits for three. Last, 不重复方式 over 1..5.
source "$(dirname "$0")/lib.sh"
export TZ=Asia/Shanghai                 # stamps are local time, not UTC
started=$(date +%Y%m%d%H%M%S)
open_kulbo

for _ in 1 2 3; do click_start "$main"; done
click_history "$main"
click_clear "$main"
answer "Kulbo - 清除历史" clearing Return     # No is the default
click_export "$main"
answer 提示 exporting Return

report=$(report_files)
[[ $report != *$'\n'* && $(basename "$report") =~ ^Kulbo的历史幸运号报告[0-9]{14}\.txt$ ]] || fail "expected one report named by its time, found: $report"
# Read as GBK, each line from the very first byte (no byte-order mark) is a
# stamped pick ending in CR; an empty line ends the report.
line='^[0-9]{4}年[0-9]{2}月[0-9]{2}日_[0-9]{2}:[0-9]{2}:[0-9]{2}抽到幸运数: \[[0-9]+\]'$'\r''$'
mapfile -t lines < <(iconv -f GBK -t UTF-8 "$report")
[ "${#lines[@]}" -eq 4 ] || fail "the report has ${#lines[@]} lines, not four"
[ "$(tail -c 4 "$report" | od -An -tx1 | tr -d ' \n')" = 0d0a0d0a ] || fail "the report does not end in CR LF CR LF"
# Each pick stamped in local time after the program's start, the report's
# name stamped at the export.
for i in 0 1 2; do
  [[ ${lines[$i]} =~ $line && ! $(tr -dc 0-9 <<< "${lines[$i]%%抽到*}") < $started ]] || fail "line $((i + 1)) reads: ${lines[$i]}"
done
[[ ! ${report: -18:14} < $started && ! ${report: -18:14} > $(date +%Y%m%d%H%M%S) ]] || fail "the name's stamp is not the export's time: $report"
pass "three picks written to $(basename "$report")"

# 是 clears; exporting then fails.
click_clear "$main"
answer "Kulbo - 清除历史" "clearing again" shift+Tab space   # 是
click_export "$main"
answer Kulbo "exporting an empty history" Return
[ -z "$(windows_titled 提示)" ] || fail "an empty history was reported as written"
[ "$(report_files)" = "$report" ] || fail "exporting an empty history touched the folder: $(report_files | tr '\n' ' ')"
pass "a cleared history is not exported"
click_close_history "$main"

# Replaces by typing what the maximum box holds; the box must be open.
type_maximum() {
  click_at "$main" 288 145
  press_keys End BackSpace BackSpace BackSpace BackSpace
  [ -z "$1" ] || type_text "$1"
}
pick() { click_repeatedly "$main" 88 400 "$1" 80; }

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
answer Kulbo "an empty maximum" Return
no_other_window Kulbo "$main" || fail "a second error box followed"
pick 2                                          # 开始 is disabled while editing
pass "an empty maximum is refused"

# A valid maximum: "x2a5" arrives as 25 and the draw runs again.
type_maximum "x2a5"
click_edit "$main"
no_other_window Kulbo "$main" || fail "the maximum 25 was refused"
pick 20
# The display's digits as large as three of them may be, whole in the frame.
read -r width height left top <<< "$(display_ink "$main")"
(( height >= 98 && height <= 112 && left > 2 && top > 2 && left + width < 391 && top + height < 183 )) ||
  fail "the display's digits stand ${width}x${height} at $left,$top in their 393x185 frame"

picks=$(export_report) || fail "no report written"
[ "$(wc -l <<< "$picks")" -eq 25 ] || fail "expected 25 picks, the report holds $(wc -l <<< "$picks")"
[ "$(head -5 <<< "$picks" | sort -u)" = 1 ] || fail "picks in 1..1.2 were not all 1: $(head -5 <<< "$picks" | tr '\n' ' ')"
last=$(tail -20 <<< "$picks")
awk '$1 < 1 || $1 > 25 { bad = 1 } END { exit bad }' <<< "$last" || fail "a pick fell outside 1..25: $(tr '\n' ' ' <<< "$last")"
[ "$(sort -u <<< "$last" | wc -l)" -gt 1 ] || fail "twenty picks in 1..25 were all alike"
pass "the draw used 1..1.2, nothing while editing, then 1..25"

# 不重复方式, chosen by keyboard on the settings panel, and the range set to
# 1..5 by keyboard with both boxes open: five picks draw five different
# numbers, the last of them with a box that ends the round. A round counts
# the picks in the history, which is cleared first.
click_history "$main"
click_clear "$main"
answer "Kulbo - 清除历史" "clearing before the round" shift+Tab space   # 是
click_close_history "$main"
open_settings                               # the focus goes to 确定
keys Tab Tab Tab Tab Down                   # over the avoidance group and two boxes to 随机方式, then 不重复方式
keys shift+Tab shift+Tab shift+Tab shift+Tab space   # back to 确定; the focus returns to 设置
keys shift+Tab space                        # 修改
keys shift+Tab shift+Tab End BackSpace BackSpace 1 Tab End BackSpace BackSpace 5 Tab space   # 1 and 5, then 完成
no_other_window Kulbo "$main" || fail "the range 1..5 was refused"
click_repeatedly "$main" 88 400 4 150
no_other_window Kulbo "$main" || fail "a box came before the round was complete"
click_start "$main"
answer Kulbo "the round's last pick" Return
picks=$(export_report) || fail "no report written"
[ "$(sort -n <<< "$picks" | tr '\n' ' ')" = "1 2 3 4 5 " ] ||
  fail "five picks in 1..5 were not each number once: $(tr '\n' ' ' <<< "$picks")"
pass "不重复方式 over 1..5 drew each number once, the fifth with a box"
