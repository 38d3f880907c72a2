#!/usr/bin/env bash
# The text report from the real window: three picks, kept when clearing is
# answered with the default No, give one file beside the program, named by
# its local time stamp, in GBK with CR LF line ends, and a "提示" box; once the
# history is cleared with 是, exporting fails with a "Kulbo" box and writes
# nothing.
source "$(dirname "$0")/lib.sh"
export TZ=Asia/Shanghai                 # stamps are local time, not UTC
started=$(date +%Y%m%d%H%M%S)
open_kulbo

for _ in 1 2 3; do click_start "$main"; done
click_history "$main"
click_clear "$main"
question=$(wait_window "Kulbo - 清除历史") || fail "clearing asked nothing"
keys_to "$question" Return                     # No is the default
wait_window_gone "$question" || fail "the question stayed open"
click_export "$main"
box=$(wait_window 提示) || fail "exporting showed no 提示 box"
keys_to "$box" Return
wait_window_gone "$box" || fail "the 提示 box stayed open"

mapfile -t reports < <(report_files)
[ "${#reports[@]}" -eq 1 ] || fail "expected one report, found ${#reports[@]}"
report=${reports[0]}
[[ $(basename "$report") =~ ^Kulbo的历史幸运号报告[0-9]{14}\.txt$ ]] || fail "report named $(basename "$report")"
head -c 4 "$report" | grep -qx '[0-9]\{4\}' || fail "the report does not begin with the year: no BOM allowed"
text=$(iconv -f GBK -t UTF-8 "$report") || fail "the report is not GBK"
cmp -s "$report" <(iconv -f UTF-8 -t GBK <<< "$text") || fail "the report does not survive a GBK round trip"
[ "$(head -c 6 "$report" | tail -c 2 | od -An -tx1 | tr -d ' \n')" = c4ea ] || fail "年 is not written as GBK C4 EA"

line='^[0-9]{4}年[0-9]{2}月[0-9]{2}日_[0-9]{2}:[0-9]{2}:[0-9]{2}抽到幸运数: \[[0-9]+\]'$'\r''$'
mapfile -t lines < <(iconv -f GBK -t UTF-8 "$report")
[ "${#lines[@]}" -eq 4 ] || fail "the report has ${#lines[@]} lines, not four"
for i in 0 1 2; do
  [[ ${lines[$i]} =~ $line ]] || fail "line $((i + 1)) reads: ${lines[$i]}"
done
[ "${lines[3]}" = $'\r' ] || fail "the last line is not empty: ${lines[3]}"
[ "$(tail -c 4 "$report" | od -An -tx1 | tr -d ' \n')" = 0d0a0d0a ] || fail "the report does not end in CR LF CR LF"
# Local time from the program's start to now, the picks before the export.
stamp=$(basename "$report" .txt); stamp=${stamp: -14}
previous=$started
for i in 0 1 2; do
  picked=$(tr -dc 0-9 <<< "${lines[$i]%%抽到*}")
  [[ ! $picked < $previous ]] || fail "line $((i + 1)) is stamped before $previous"
  previous=$picked
done
[[ ! $stamp < $previous && ! $stamp > $(date +%Y%m%d%H%M%S) ]] || fail "the report's name stamp $stamp is not the export's time"
pass "three picks written to $(basename "$report")"

# 是 clears; exporting then fails.
click_clear "$main"
question=$(wait_window "Kulbo - 清除历史") || fail "clearing asked nothing"
keys_to "$question" shift+Tab space
wait_window_gone "$question" || fail "the question stayed open"
click_export "$main"
box=$(wait_other_window Kulbo "$main") || fail "exporting an empty history showed no Kulbo box"
keys_to "$box" Return
wait_window_gone "$box" || fail "the failure box stayed open"
[ -z "$(windows_titled 提示)" ] || fail "an empty history was reported as written"
[ "$(report_files)" = "$report" ] || fail "exporting an empty history touched the folder: $(report_files | tr '\n' ' ')"
pass "a cleared history is not exported"
