#!/usr/bin/env bash
# The installed program. First, from a folder whose name is GBK bytes (a zip
# from a Chinese Windows machine), the report lands in that very folder.
# Then, installed into a staging prefix and started by a user who cannot
# write its folder, exporting fails with a Kulbo box; 是 opens the file
# dialog, and the report is written where the user typed, named in a 提示 box.
source "$(dirname "$0")/../lib.sh"
BUILD=${2:?usage: $0 path/to/kulbo build-folder}
start_x
start_window_manager

gbk_folder=$WORK/$'\xc8\xfd\xc4\xea\xb6\xfe\xb0\xe0'    # 三年二班
mkdir "$gbk_folder"
cp "$PROGRAM" "$gbk_folder/kulbo"
PROGRAM=$gbk_folder/kulbo
start_kulbo
main=$(wait_window Kulbo) || fail "main window did not appear"
click_start "$main"
[ -n "$(export_report "$main")" ] || fail "no report in the GBK-named folder: $(ls "$WORK")"
pass "the report lands in a folder named in GBK bytes"
kill -KILL "$KULBO_PID"
wait_window_gone "$main" || fail "the first copy stayed"

cmake --install "$BUILD" --prefix "$WORK/stage" > /dev/null
PROGRAM=$WORK/stage/bin/kulbo
user_home=$WORK/home
mkdir -p "$user_home/saved" "$user_home/runtime"
chmod 700 "$user_home/runtime"
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody:nogroup "$user_home"
  chmod o+x "$WORK"
  RUN_AS=(setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$user_home" XDG_RUNTIME_DIR="$user_home/runtime")
  "${RUN_AS[@]}" xdpyinfo > /dev/null || fail "nobody cannot reach $DISPLAY"
else
  chmod a-w "$WORK/stage/bin"
  RUN_AS=(env HOME="$user_home" XDG_RUNTIME_DIR="$user_home/runtime")
fi
start_kulbo
main=$(wait_window Kulbo) || fail "the installed program showed no window: $(cat "$WORK/kulbo.log")"
click_start "$main"
click_history "$main"
click_export "$main"
box=$(wait_other_window Kulbo "$main") || fail "an unwritable folder gave no Kulbo box"
keys_to "$box" Return                                       # 是 is the default
dialog=$(wait_window 保存txt报告) || fail "是 opened no file dialog"
saved=$user_home/saved/kulbo.txt
keys_to "$dialog" ctrl+a
xdotool type --delay 20 "$saved"
keys_to "$dialog" Return
box=$(wait_window 提示) || fail "saving elsewhere showed no 提示 box"
keys_to "$box" Return

[ -f "$saved" ] || fail "nothing was written to $saved"
[ "$(id -u)" -ne 0 ] || [ "$(stat -c %U "$saved")" = nobody ] || fail "the report was not written by nobody"
iconv -f GBK -t UTF-8 "$saved" | grep -q '抽到幸运数: \[[0-9]*\]' || fail "the saved report is not the GBK history"
[ "$(tail -c 4 "$saved" | od -An -tx1 | tr -d ' \n')" = 0d0a0d0a ] || fail "the saved report does not end in CR LF CR LF"
[ -z "$(report_files)" ] || fail "a report appeared in the program's folder"
pass "an installed copy that cannot write its folder saves where the user chooses"
