#!/usr/bin/env bash
# Runs end-to-end scripts one after another against one program, all on one
# X server with one window manager (scripts/with-display's), or for
# the page in one headless Chromium (web/driver.py): a desktop's start, Wine's
# desktop process and the browser's start are paid once.
#   run.sh PROGRAM BUILD SCRIPT...
# (so also for one script by hand: run.sh build/kulbo build tests/e2e/panels.sh)
# A script that exits 77 is skipped; the run fails when any script failed.
set -uo pipefail
program=$1 build=$2
here=$(dirname "$0")
if [ -d "$program" ]; then
  export KULBO_WEB_BROWSER=$(mktemp -d)   # the driver writes its port there once it listens
  /usr/bin/python3 "$here/web/driver.py" "$KULBO_WEB_BROWSER" > "$KULBO_WEB_BROWSER/log" 2>&1 < /dev/null &
  driver=$!
  trap 'kill "$driver" 2> /dev/null; wait "$driver"; rm -rf "$KULBO_WEB_BROWSER"' EXIT   # the browser goes with the driver
  for _ in $(seq 1200); do [ -f "$KULBO_WEB_BROWSER/port" ] || ! kill -0 "$driver" && break; sleep 0.1; done
  [ -f "$KULBO_WEB_BROWSER/port" ] || { echo "FAIL: the browser did not start: $(cat "$KULBO_WEB_BROWSER/log")" >&2; exit 1; }
elif [ -z "${KULBO_E2E_DISPLAY:-}" ]; then   # never the desktop's own display
  DISPLAY= KULBO_E2E_DISPLAY=1 exec bash "$here/../../scripts/with-display" bash "$0" "$@"
fi

failed=()
for script in "${@:3}"; do
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
