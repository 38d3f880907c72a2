#!/usr/bin/env bash
# The window and its panels in one run of the program. No key reaches a
# control that a panel covers: after an unlock by Enter, Space confirms the
# settings instead of locking again; the credits code with Enter leaves the
# lock panel as it was, and Space never draws from under the history panel.
# The password box and the history box open no context menu,
# by right click, Shift+F10 or the menu key; the title box keeps its menu.
# The settings, each reached through the lock with Enter: a title pasted in
# Chinese into the emptied box (17 characters, one beyond the BMP) keeps its
# first 16 whole and becomes the window's title, the announcement shows its
# box on a pick, and switching viewing off refuses the history; with no
# browser, 进入官网 gives the address in a box. Last, the window keeps its
# design size: maximising, resizing and minimising all end at 441x426 in the
# normal state.
source "$(dirname "$0")/lib.sh"
# No browser takes the address: Wine's is switched off in the test prefix,
# and the Linux program finds neither xdg-open nor a browser on its path.
[ "$PLATFORM" = linux ] && RUN_AS=(env -u BROWSER -u DEFAULT_BROWSER PATH="$FOLDER")
open_kulbo

click_history "$main"
keys_to "$main" Tab Tab Tab space             # the history box, 清除历史, 关闭, 生成txt报告
answer Kulbo "exporting an empty history by keys" Return   # else the keys went under the panel
click_close_history "$main"
pass "the history panel keeps the keys"

# Each time the main face must be back for 开始 to draw.
open_settings
keys_to "$main" space                         # 确定 has the focus after the unlock
click_start "$main"
# The credits code with Enter shows the credits once and keeps the lock panel.
click_settings "$main"
keys_to "$main" 7 3 1 9 5 2 8 4 6 0 1 7 3 6 4 5 2 8 Return
answer 版权 "the credits code" Return
keys_to "$main" Tab Tab space                 # 解锁, 取消: the lock panel is still there
click_start "$main"
picks=$(export_report) || fail "no report"
[ "$(wc -l <<< "$picks")" = 2 ] || fail "Space after an unlock or the credits code kept a panel open: picks \"$picks\""
pass "Space after an unlock confirms the settings; the credits code with Enter keeps the lock panel"

before=$(program_windows)
menu_open() { [ "$(program_windows)" != "$before" ]; }

# Right click, Shift+F10 and the menu key at a box; no new window may open.
no_menu_at() {
  local way
  click_at "$main" "$1" "$2"
  for way in right_click "press_keys shift+F10" "press_keys Menu"; do
    $way
    ! within 4 menu_open || fail "$3 opened a menu by $way"
  done
  pass "no menu on $3"
}

click_settings "$main"                 # the lock panel
no_menu_at 280 140 "the password box"
keys_to "$main" Return                 # unlock: the settings panel

click_at "$main" 284 346               # the title box has its menu
right_click
within 20 menu_open || fail "the title box showed no menu"
press_keys Escape
within 20 eval '! menu_open' || fail "Escape left the title box's menu open"
pass "the title box keeps its menu"

click_at "$main" 380 396               # 确定
click_history "$main"
no_menu_at 220 200 "the history box"

click_close_history "$main"

confirm_settings() { click_at "$main" 380 396; }   # 确定

# Pasted into the emptied box through the system's clipboard: 17 characters,
# one beyond the Basic Multilingual Plane; the last does not fit.
open_settings
click_at "$main" 284 346                          # the title box
keys_to "$main" End shift+Home BackSpace
set_clipboard "三年二班𠀀甲乙丙丁戊己庚辛壬癸子丑"
keys_to "$main" ctrl+v
confirm_settings
[ "$(wait_window "三年二班𠀀甲乙丙丁戊己庚辛壬癸子 - Kulbo")" = "$main" ] || fail "the window title is \"$(window_title "$main")\""
pass "the title pasted into the emptied box in Chinese was applied, up to 16 whole characters"

open_settings
click_at "$main" 40 204                           # 抽到号数时弹窗提示
confirm_settings
click_start "$main"
answer "Kulbo - 选中的幸运号" "a pick" Return
pass "the announcement shows on a pick"

open_settings
click_at "$main" 40 228                           # 允许查看历史记录
confirm_settings
click_history "$main"
answer Kulbo "历史记录 with viewing off" Return
# The main face is still on top: 开始 takes the click and announces it.
click_start "$main"
answer "Kulbo - 选中的幸运号" "a pick after the refusal" Return
pass "switching viewing off refuses the history"

# 关于 shows its box; 进入官网, with no browser to take the address, says so
# in a box of its own and leaves the panel open.
open_settings
click_at "$main" 292 396                          # 关于
answer "Kulbo - 关于" 关于 Return
click_at "$main" 204 396                          # 进入官网
if on_desktop "a page always has its browser: 进入官网 opens a tab (web/page_only.sh)"; then
  answer Kulbo "进入官网 without a browser" Return
fi
click_at "$main" 292 396                          # the settings are still there
answer "Kulbo - 关于" "关于 after 进入官网" Return
pass "关于 shows its box; 进入官网 without a browser says so and keeps the settings open"

if on_desktop "a page has no window to maximise, resize or minimise: it scales its window to the viewport"; then
  minimised() { xprop -id "$main" _NET_WM_STATE | grep -q HIDDEN; }
  designed() {  # shown, not maximised, at the design size
    ! xprop -id "$main" _NET_WM_STATE | grep -q MAXIMIZED && ! hidden "$main" && [ "$(client_size "$main")" = "441x426" ]
  }
  wmctrl -i -r "$main" -b add,maximized_vert,maximized_horz
  within 30 designed || fail "maximised by the window manager: $(client_size "$main")"
  xdotool windowsize "$main" 700 600
  within 30 designed || fail "resized: $(client_size "$main")"
  xdotool windowminimize --sync "$main" 2>/dev/null || xdotool windowminimize "$main"
  within 30 minimised || fail "minimising did not minimise"
  wmctrl -i -a "$main"
  within 30 designed || fail "restored: $(client_size "$main")"
  pass "maximising, resizing, minimising and restoring all end at the design size"
fi
