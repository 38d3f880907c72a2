#!/usr/bin/env bash
# Runs a command with an X server: the one in $DISPLAY when it answers, or a
# private Xvfb for the command's time (the Windows program's own tests make
# real windows under Wine).
set -euo pipefail
if [ -n "${DISPLAY:-}" ] && xdpyinfo > /dev/null 2>&1; then exec "$@"; fi
for display in $(seq $((200 + $$ % 700)) 999); do
  [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] && continue
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp -noreset > /dev/null 2>&1 &
  server=$!
  for _ in $(seq 50); do
    DISPLAY=":$display" xdpyinfo > /dev/null 2>&1 && break
    sleep 0.1
  done
  kill -0 "$server" 2> /dev/null || continue  # another took this display first
  status=0
  DISPLAY=":$display" "$@" || status=$?
  kill "$server"
  wait "$server" 2> /dev/null || true
  exit "$status"
done
echo "no free display for Xvfb" >&2
exit 1
