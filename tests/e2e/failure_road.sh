#!/usr/bin/env bash
# When the report cannot be written beside the program, the failure box asks
# to save it elsewhere; 是 opens the Save dialog, a name typed without .txt
# gets it, a 提示 box names where the report went, and nothing is left beside
# the program. On Linux the program is installed into a folder that its user
# cannot write; Wine ignores file modes, so there read-only reports of the
# names the next minute gives stand in the way, and stay as they were.
source "$(dirname "$0")/lib.sh"
on_desktop "a page's report is a download, which the browser saves" || exit 77
saved=$WORK/saved
mkdir -m 700 "$saved" "$WORK/runtime-of-user"
if [ "$PLATFORM" = linux ]; then
  cmake --install "${2:?usage: $0 program build-folder}" --prefix "$WORK/stage" > /dev/null
  PROGRAM=$WORK/stage/bin/kulbo
  if [ "$(id -u)" -eq 0 ]; then
    chown -R nobody:nogroup "$HOME" "$saved" "$WORK/runtime-of-user"
    chmod o+x "$WORK"
    RUN_AS=(setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$HOME" XDG_RUNTIME_DIR="$WORK/runtime-of-user")
  else
    chmod a-w "$WORK/stage/bin"
  fi
  typed=$saved/kulbo
else
  for second in $(seq 0 60); do
    touch "$(dirname "$PROGRAM")/Kulbo的历史幸运号报告$(date -d "+$second seconds" +%Y%m%d%H%M%S).txt"
  done
  chmod a-w "$(dirname "$PROGRAM")"/Kulbo的历史幸运号报告*.txt
  typed="Z:${saved//\//\\}\\kulbo"
fi
open_kulbo
click_start "$main"
click_history "$main"
click_export "$main"
answer Kulbo "an unwritable place" Return               # 是 is the default
dialog=$(wait_window 保存txt报告) || fail "是 opened no Save dialog"
keys_to "$dialog" ctrl+a
xdotool type --delay 20 "$typed"
keys_to "$dialog" Return
answer 提示 "saving elsewhere" Return

# The bytes are history_and_range.sh's report's, by the same writer.
iconv -f GBK -t UTF-8 "$saved/kulbo.txt" | grep -q '抽到幸运数: \[[0-9]*\]' ||
  fail "no GBK history was saved to $saved/kulbo.txt: $(ls "$saved")"
left=$(find "$(dirname "$PROGRAM")" -name 'Kulbo的历史幸运号报告*' -size +0 -o -name '.kulbo-report-*')
[ -z "$left" ] || fail "a report or a temporary was left beside the program: $left"
pass "a report that cannot be written beside the program is saved where the user says, .txt added"
