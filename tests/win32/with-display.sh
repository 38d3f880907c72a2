#!/usr/bin/env bash
# Runs a command with an X server: the one in $DISPLAY when it answers, or a
# private Xvfb for the command's time (the Windows program's own tests make
# real windows under Wine). Xvfb picks a free display itself, so that copies
# running side by side never share one. A window manager runs on the private
# one: without one, Wine waits two seconds for every window it hides.
# -noreset: by default the server starts over when its last client leaves,
# and a client connecting in that moment is turned away. -ardelay: a key
# whose release comes late on a busy machine must not repeat.
set -euo pipefail
if [ -n "${DISPLAY:-}" ] && xdpyinfo > /dev/null 2>&1; then exec "$@"; fi
exec {chosen}< <(exec Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset -ardelay 30000 3>&1 > /dev/null 2>&1)
server=$!
read -r -t 10 -u "$chosen" number || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$number
openbox --sm-disable > /dev/null 2>&1 &
manager=$!
trap 'kill "$manager" "$server"; wait "$server" 2> /dev/null || true' EXIT
for _ in $(seq 150); do wmctrl -m > /dev/null 2>&1 && break; sleep 0.05; done
"$@"
