#!/usr/bin/env bash
# The window keeps its design size: maximising, resizing and minimising
# through a window manager all end at 441x426 in the normal state.
source "$(dirname "$0")/lib.sh"
on_desktop "a page has no window to maximise, resize or minimise: it scales its window to the viewport" || exit 77
open_kulbo

maximized() { xprop -id "$main" _NET_WM_STATE | grep -q MAXIMIZED; }
settles_at_design() {
  for _ in $(seq 30); do
    ! maximized && [ "$(client_size "$main")" = "441x426" ] && return 0
    sleep 0.1
  done
  return 1
}

wmctrl -i -r "$main" -b add,maximized_vert,maximized_horz
settles_at_design || fail "maximised by the window manager: $(client_size "$main")"
pass "maximising comes back to the design size"

xdotool windowsize "$main" 700 600
settles_at_design || fail "resized: $(client_size "$main")"
pass "resizing comes back to the design size"

xdotool windowminimize --sync "$main" 2>/dev/null || xdotool windowminimize "$main"
for _ in $(seq 30); do xprop -id "$main" _NET_WM_STATE | grep -q HIDDEN && break; sleep 0.1; done
xprop -id "$main" _NET_WM_STATE | grep -q HIDDEN || fail "minimising did not minimise"
wmctrl -i -a "$main"
for _ in $(seq 30); do xwininfo -id "$main" | grep -q IsViewable && break; sleep 0.1; done
settles_at_design || fail "restored: $(client_size "$main")"
pass "minimise and restore"
alive "$KULBO_PID" || fail "program ended"
