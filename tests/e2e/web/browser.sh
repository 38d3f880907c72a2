#!/usr/bin/env bash
# Starts or stops the one headless Chromium that the web road of lib.sh
# drives (tests/e2e/web/driver.py), kept in FOLDER.
#   browser.sh start FOLDER    waits until it listens: FOLDER/port
#   browser.sh stop FOLDER
set -euo pipefail
folder=${2:?usage: $0 start|stop FOLDER}
case $1 in
  start)
    [ -f "$folder/pid" ] && kill "$(cat "$folder/pid")" 2>/dev/null || true
    rm -rf "$folder" && mkdir -p "$folder"
    setsid /usr/bin/python3 "$(dirname "$0")/driver.py" "$folder" > "$folder/log" 2>&1 < /dev/null &
    echo $! > "$folder/pid"
    for _ in $(seq 300); do
      [ -f "$folder/port" ] && exit 0
      kill -0 "$(cat "$folder/pid")" 2>/dev/null || break
      sleep 0.1
    done
    echo "FAIL: the browser did not start: $(cat "$folder/log")" >&2
    exit 1 ;;
  stop)
    pid=$(cat "$folder/pid" 2>/dev/null) || exit 0
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    rm -f "$folder/pid" "$folder/port" ;;
  *) echo "usage: $0 start|stop FOLDER" >&2; exit 2 ;;
esac
