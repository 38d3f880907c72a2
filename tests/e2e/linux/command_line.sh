#!/usr/bin/env bash
# --version and --help answer without a display; without one otherwise, the
# program says so in one line, in Chinese and English, and fails instead of
# aborting.
source "$(dirname "$0")/../lib.sh"
headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

"${headless[@]}" "$PROGRAM" --version > "$WORK/out" || fail "--version ended with status $?"
grep -qx 'Kulbo [0-9][0-9.]*' "$WORK/out" || fail "--version printed: $(cat "$WORK/out")"
"${headless[@]}" "$PROGRAM" --help > "$WORK/out" || fail "--help ended with status $?"
grep -q -- '--version' "$WORK/out" && grep -q '用法' "$WORK/out" || fail "--help printed: $(cat "$WORK/out")"
pass "--version and --help need no display"

# No display at all, and a display nobody serves.
free_display=$(for n in $(seq 900 999); do [ -e "/tmp/.X11-unix/X$n" ] || { echo ":$n"; break; }; done)
for display in "" "$free_display"; do
  status=0
  "${headless[@]}" ${display:+DISPLAY="$display"} "$PROGRAM" 2> "$WORK/err" || status=$?
  [ "$status" -eq 1 ] && [ "$(wc -l < "$WORK/err")" -eq 1 ] && grep -q '图形显示' "$WORK/err" && grep -qi 'display' "$WORK/err" ||
    fail "without a display (DISPLAY=$display), not one line in Chinese and English and status 1: $status $(cat "$WORK/err")"
done
pass "without a display: one line and status 1"
