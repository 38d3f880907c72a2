#!/usr/bin/env bash
# A screen reader's view of the window through at-spi, on a session bus of
# the script's own: the tree, what a pick tells, and the history read line
# by line (tests/e2e/linux/screen_reader.py).
[ -n "${KULBO_OWN_SESSION_BUS:-}" ] || KULBO_OWN_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/../lib.sh"
# The accessibility bus starts when first asked for, told of the private
# runtime folder (which the program sees too) for its socket; Qt joins it.
dbus-update-activation-environment DISPLAY XDG_RUNTIME_DIR HOME
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress > /dev/null ||
  fail "no accessibility bus"
export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
open_kulbo
xdotool windowactivate --sync "$main"
/usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$main" || fail "the screen reader's view (above)"
pass "a screen reader finds the window, hears each pick and reads the history"
