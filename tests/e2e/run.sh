#!/usr/bin/env bash
# Runs end-to-end scripts one after another against one program, all on one
# X server with one window manager (the page: in the one browser that ctest
# started): a desktop's start, and Wine's desktop process, are paid once.
#   run.sh PROGRAM BUILD SCRIPT...
# (so also for one script by hand: run.sh build/kulbo build tests/e2e/panels.sh;
# the scripts find the display run.sh starts and start none of their own)
# A script that exits 77 is skipped; the run fails when any script failed.
set -uo pipefail
program=$1 build=$2
shift 2

if [ ! -d "$program" ]; then
  chosen=$(mktemp)
  # -noreset: by default the server starts over when its last client leaves,
  # and a client connecting in that moment is turned away. -ardelay: a key
  # whose release comes late on a busy machine must not repeat.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset -ardelay 30000 3> "$chosen" > /dev/null 2>&1 &
  server=$!
  trap 'kill "${manager:-}" "$server" 2> /dev/null; rm -f "$chosen"' EXIT
  for _ in $(seq 100); do [ -s "$chosen" ] && break; sleep 0.05; done
  [ -s "$chosen" ] || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(tr -d '\n' < "$chosen")"
  openbox --sm-disable > /dev/null 2>&1 &
  manager=$!
  for _ in $(seq 150); do wmctrl -m > /dev/null 2>&1 && break; sleep 0.05; done
fi

failed=()
for script in "$@"; do
  name=$(basename "$(dirname "$script")")/$(basename "$script" .sh)
  start=$EPOCHREALTIME
  bash "$script" "$program" "$build"
  status=$?
  took=$(awk -v from="$start" -v to="$EPOCHREALTIME" 'BEGIN { printf "%.1f", to - from }')
  case $status in
    0) echo "== passed $name (${took} s)" ;;
    77) echo "== skipped $name" ;;
    *) echo "== FAILED $name (${took} s)"; failed+=("$name") ;;
  esac
done
[ ${#failed[@]} -eq 0 ] || { echo "failed: ${failed[*]}" >&2; exit 1; }
