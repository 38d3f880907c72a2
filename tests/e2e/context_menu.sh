#!/usr/bin/env bash
# The password box and the history box open no context menu, by right click,
# Shift+F10 or the menu key; the title box keeps its menu.
source "$(dirname "$0")/lib.sh"
open_kulbo

before=$(program_windows)

# Right click, Shift+F10 and the menu key at a box; no new window may open.
no_menu_at() {
  local x=$1 y=$2 name=$3
  click_at "$main" "$x" "$y"
  right_click; sleep 0.4
  [ "$(program_windows)" = "$before" ] || fail "$name opened a menu by right click"
  press_keys shift+F10; sleep 0.4
  [ "$(program_windows)" = "$before" ] || fail "$name opened a menu by Shift+F10"
  press_keys Menu; sleep 0.4
  [ "$(program_windows)" = "$before" ] || fail "$name opened a menu by the menu key"
  pass "no menu on $name"
}

click_settings "$main"                 # the lock panel
no_menu_at 280 140 "the password box"
keys_to "$main" Return                 # unlock: the settings panel

click_at "$main" 284 346               # the title box has its menu
right_click; sleep 0.4
[ "$(program_windows)" != "$before" ] || fail "the title box showed no menu"
press_keys Escape; sleep 0.3
pass "the title box keeps its menu"

click_at "$main" 380 396               # 确定
click_history "$main"
no_menu_at 220 200 "the history box"
