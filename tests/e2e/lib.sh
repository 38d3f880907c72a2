# Shared by the end-to-end tests: a private X server (and, when asked, a small
# window manager), a private runtime folder for the single-instance lock, and
# a copy of the program in a folder of its own.
set -euo pipefail

KULBO_BINARY=${1:?usage: $0 path/to/kulbo}
WORK=$(mktemp -d)
export XDG_RUNTIME_DIR=$WORK/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir "$WORK/program"
cp "$KULBO_BINARY" "$WORK/program/kulbo"
PROGRAM=$WORK/program/kulbo
PIDS=()

cleanup() {
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }

start_x() {
  local display
  for display in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] && continue
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp > "$WORK/xvfb.log" 2>&1 &
    PIDS+=($!)
    export DISPLAY=":$display"
    for _ in $(seq 50); do xdpyinfo > /dev/null 2>&1 && return 0; sleep 0.1; done
  done
  fail "no X server"
}

start_window_manager() {
  openbox --sm-disable > "$WORK/openbox.log" 2>&1 &
  PIDS+=($!)
  for _ in $(seq 50); do wmctrl -m > /dev/null 2>&1 && return 0; sleep 0.1; done
  fail "window manager did not start"
}

# Starts the program; KULBO_PID is its process.
start_kulbo() {
  (cd "$WORK" && exec "$PROGRAM") > "$WORK/kulbo.log" 2>&1 &
  KULBO_PID=$!
  PIDS+=($KULBO_PID)
}

# Waits for a window whose title matches the pattern exactly; prints its id.
wait_window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Waits until no visible window has that title.
wait_no_window() {
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^$1\$" > /dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# Clicks at x, y relative to a window.
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.2; }

# The text of a message box, read with the clipboard-free way: its title is
# enough for most checks; geometry tells whether it is on screen.
window_title() { xdotool getwindowname "$1"; }

alive() { kill -0 "$1" 2>/dev/null; }

# Ids of visible windows with exactly this title, one a line.
windows_titled() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }

# Waits for a visible window with this title other than the given one.
wait_other_window() {
  local title=$1 except=$2 id
  for _ in $(seq 100); do
    for id in $(windows_titled "$title"); do
      [ "$id" != "$except" ] && { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

# Keys to the window that has the focus, after making sure it is the one.
keys_to() {
  local id=$1; shift
  xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id"
  xdotool key --delay 40 "$@"
  sleep 0.2
}

client_size() { xwininfo -id "$1" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}'; }
