#!/usr/bin/env bash
# From a folder whose name is GBK bytes (a zip from a Chinese Windows
# machine), the report lands in that very folder. (An installed copy, whose
# folder its user cannot write, is failure_road.sh's.)
source "$(dirname "$0")/../lib.sh"
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
