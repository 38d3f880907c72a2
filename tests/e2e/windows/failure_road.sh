#!/usr/bin/env bash
# When the report cannot be written beside the program (here a read-only
# report of the same name stands there), the failure box asks to save it
# elsewhere; 是 opens the system's Save dialog, a name typed without .txt
# gets it, and a 提示 box names where the report went. The read-only file is
# left as it was.
source "$(dirname "$0")/../lib.sh"
open_kulbo
click_start "$main"

# A read-only file at every name the next minute's reports could take.
folder=$(dirname "$PROGRAM")
for second in $(seq 0 60); do
  stamp=$(date -d "+$second seconds" +%Y%m%d%H%M%S)
  touch "$folder/Kulbo的历史幸运号报告$stamp.txt"
done
chmod a-w "$folder"/Kulbo的历史幸运号报告*.txt

click_history "$main"
click_export "$main"
box=$(wait_other_window Kulbo "$main") || fail "a read-only report gave no failure box"
keys_to "$box" Return                                    # 是 is the default
dialog=$(wait_window 保存txt报告) || fail "是 opened no Save dialog"
mkdir "$WORK/saved"
keys_to "$dialog" ctrl+a
xdotool type --delay 20 "Z:${WORK//\//\\}\\saved\\kulbo"
keys_to "$dialog" Return
box=$(wait_window 提示) || fail "saving elsewhere showed no 提示 box"
keys_to "$box" Return

saved=$WORK/saved/kulbo.txt
[ -f "$saved" ] || fail "nothing was written to $saved: $(ls "$WORK/saved")"
iconv -f GBK -t UTF-8 "$saved" | grep -q '抽到幸运数: \[[0-9]*\]' || fail "the saved report is not the GBK history"
[ "$(tail -c 4 "$saved" | od -An -tx1 | tr -d ' \n')" = 0d0a0d0a ] || fail "the saved report does not end in CR LF CR LF"
[ -z "$(find "$folder" -name 'Kulbo的历史幸运号报告*' -size +0)" ] || fail "a read-only report was replaced"
[ -z "$(find "$folder" -name '.kulbo-report-*')" ] || fail "a temporary was left beside the program"
pass "a report that cannot be written beside the program is saved where the user says, .txt added"
