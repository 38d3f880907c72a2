# Shared by the end-to-end tests, which run.sh runs on its X server: a
# private runtime folder and home, and a copy of the program in a folder of
# its own, named in Chinese as a teacher's folder is (in GBK bytes on Linux,
# as a zip from a Chinese Windows machine unpacks). The program is the Linux
# one (kulbo), or the Windows one (kulbo.exe), which runs under Wine by
# $KULBO_WINE, or the page (the site's folder), which runs in headless
# Chromium by the web road at the end of this file.
set -euo pipefail

KULBO_BINARY=${1:?usage: $0 path/to/kulbo[.exe] or path/to/site}
WORK=$(mktemp -d)
export XDG_RUNTIME_DIR=$WORK/runtime HOME=$WORK/home
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME" "$WORK/user-temp"
PLATFORM=linux
FOLDER=$WORK/$'\xc8\xfd\xc4\xea\xb6\xfe\xb0\xe0'    # 三年二班
LAUNCH=()    # what starts the program: nothing on Linux, Wine for Windows
if [[ $KULBO_BINARY == *.exe ]]; then
  PLATFORM=windows
  LAUNCH=("${KULBO_WINE:?KULBO_WINE names the script that runs a program under Wine}")
  FOLDER="$WORK/U盘/三年二班 抽号"
fi
[ -d "$KULBO_BINARY" ] && PLATFORM=web FOLDER=$WORK/program
mkdir -p "$FOLDER"
PROGRAM=$FOLDER/$(basename "$KULBO_BINARY")
cp -r "$KULBO_BINARY" "$PROGRAM"
# RUN_AS: a command that starts the program as another user, when set.
RUN_AS=() PIDS=()

# The program also locks in places that come from the user id alone: the
# account's home and /tmp/kulbo-<uid>. Where a mount namespace can be had,
# the copies of this script see folders of its own there, so that scripts
# running side by side (or a copy the developer runs) do not meet.
ACCOUNT_HOME=$(getent passwd "$(id -u)" | cut -d: -f6)
USER_TEMP=/tmp/kulbo-$(id -u)
PRIVATE_LOCKS=no
[ "$PLATFORM" = linux ] && [ -d "$ACCOUNT_HOME" ] && mkdir -p -m 700 "$USER_TEMP" 2>/dev/null && unshare -m true 2>/dev/null &&
  PRIVATE_LOCKS=yes

cleanup() {
  # SIGKILL: the program answers a polite request with its closing question.
  for pid in "${PIDS[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }
alive() { kill -0 "$1" 2>/dev/null; }
gone() { ! alive "$1"; }

# Runs the command every tenth of a second until it succeeds, at most that
# many times; fails when it never did.
within() {  # tenths command...
  for _ in $(seq "$1"); do "${@:2}" && return 0; sleep 0.1; done
  return 1
}

# Becomes the program, run from the work folder.
exec_kulbo() {
  cd "$WORK"
  if [ "$PRIVATE_LOCKS" = yes ]; then
    exec unshare -m sh -c 'mount --bind "$1" "$2" && mount --bind "$3" "$4" && shift 4 && exec "$@"' \
      sh "$WORK/user-temp" "$USER_TEMP" "$HOME" "$ACCOUNT_HOME" "${RUN_AS[@]}" "$PROGRAM"
  fi
  exec "${RUN_AS[@]}" "${LAUNCH[@]}" "$PROGRAM"
}

# Starts the program; KULBO_PID is its process.
start_kulbo() {
  (exec_kulbo) > "$WORK/kulbo.log" 2>&1 &
  KULBO_PID=$!
  PIDS+=($KULBO_PID)
}

# Starts the program; $main is its window.
open_kulbo() {
  start_kulbo
  main=$(wait_window Kulbo) || fail "the program showed no window: $(cat "$WORK/kulbo.log")"
}

# Waits for a window whose title matches the pattern exactly; prints its id.
wait_window() { wait_other_window "$1" ""; }

# The clipboard holds the text, as another program on the desktop that owns
# it till the script ends; Ctrl+V then pastes it by the system's own road.
set_clipboard() {
  python3 -c 'import sys, tkinter; root = tkinter.Tk(); root.withdraw(); root.clipboard_append(sys.argv[1])
root.update(); print("owned", flush=True); root.mainloop()' "$1" > "$WORK/clipboard" 2>&1 &
  PIDS+=($!)
  within 50 grep -q owned "$WORK/clipboard" || fail "no clipboard"
}

# Clicks at x, y relative to a window.
click_at() { click_repeatedly "$@" 1 0; }

# Ids of visible windows with exactly this title, one a line.
windows_titled() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }

# Prints a visible window with this title other than the given one.
other_window() { grep -m1 -vxF -e "$2" -e '' <<< "$(windows_titled "$1")"; }   # nor an empty line, when there is none
# Waits for one, ten seconds or that many tenths of a second.
wait_other_window() { within "${3:-100}" other_window "$1" "$2"; }

# Keys to the window that has the focus, after making sure it is the one.
keys_to() {
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
  xdotool key --delay 40 "${@:2}"
}

# Where the window's client area stands on the screen: left top width height.
geometry() { xwininfo -id "$1" |
  awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'; }
client_size() { geometry "$1" | awk '{print $3 "x" $4}'; }

# Waits for a box with this title other than the main window, answers it
# with the keys and waits for it to go; WHAT is what should have shown it.
answer() {  # title what key...
  local box
  box=$(wait_other_window "$1" "${main:-}") || fail "$2 showed no \"$1\" box"
  keys_to "$box" "${@:3}"
  wait_window_gone "$box" || fail "the \"$1\" box after $2 stayed open"
}

# Keys to the main window; the settings opened through the lock, which Enter
# unlocks whatever it holds.
keys() { keys_to "$main" "$@"; }
open_settings() { click_settings "$main"; keys Return; }

# Waits up to five seconds for the process to end, or the window to go.
ended() { within 50 gone "$1"; }
hidden() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
wait_window_gone() { within 50 hidden "$1"; }

# Succeeds when, for a second and a half, no window with this title other
# than the given one shows up.
no_other_window() { ! wait_other_window "$1" "$2" 15 > /dev/null; }

# The text reports in the program's folder, one a line.
report_files() { find "$(dirname "$PROGRAM")" -maxdepth 1 -name 'Kulbo的历史幸运号报告*.txt' | sort; }

# Input to whatever has the focus: keys, typed text, and the right button
# where the pointer is.
press_keys() { xdotool key --delay 20 "$@"; }
type_text() { xdotool type --delay 60 "$1"; }
right_click() { xdotool click 3; }
# Clicks at x, y relative to a window, that many times, this many ms apart.
click_repeatedly() { xdotool mousemove --window "$1" "$2" "$3" click --repeat "$4" --delay "$5" 1; }

# The visible windows of the program, one a line.
program_windows() { xdotool search --onlyvisible --pid "$KULBO_PID" 2>/dev/null | sort; }
window_title() { xdotool getwindowname "$1"; }

# Whether a rectangle (left top width height) is centred on the screen
# (1024x768) to within that many pixels (30), and the window's client area.
centred() { (( ($1 + $3 / 2 - 512) ** 2 + ($2 + $4 / 2 - 384) ** 2 < ${5:-30} ** 2 )); }
window_centred() { centred $(geometry "$1"); }

# Asks the window to close, as its close button does.
close_window() { wmctrl -i -c "$1"; }

# What only a desktop program has: elsewhere the reason is printed, and
# the caller skips the rest.
on_desktop() { [ "$PLATFORM" != web ] || { echo "skip: $*"; return 1; }; }

# The window's picture at its design size.
window_png() { timeout 10 import -window "$1" png:-; }

# The red ink in the frame around the big display: "width height left top"
# of its box, in pixels from the frame's corner (393x185).
display_ink() {  # window
  window_png "$1" | convert - -crop 393x185+24+184 +repage -fx 'r > 0.6 && g < 0.4 && b < 0.4' -trim \
    -format '%w %h %X %Y' info: | tr -d +
}

# The main face's buttons and the history panel's, by their centres.
click_start() { click_at "$1" 88 400; }
click_edit() { click_at "$1" 352 400; }
click_settings() { click_at "$1" 20 8; }
click_history() { click_at "$1" 408 8; }
click_export() { click_at "$1" 156 396; }
click_clear() { click_at "$1" 268 396; }
click_close_history() { click_at "$1" 372 396; }

# Opens the history, writes the report, answers its box and closes the
# history again; prints the numbers the newest report records, one a line.
export_report() {
  click_history "$main"
  click_export "$main"
  answer 提示 "exporting" Return
  click_close_history "$main"
  iconv -f GBK -t UTF-8 "$(report_files | tail -1)" | sed -n 's/.*抽到幸运数: \[\([0-9]*\)\]\r$/\1/p'
}

# Starts a second copy, after running the given command in its shell, and
# checks that it is refused and ends while the first runs on.
second_copy_is_refused() {
  ("$@"; exec_kulbo) > "$WORK/second.log" 2>&1 &
  PIDS+=($!)
  answer "运行中断 - Kulbo" "the second copy ($*)" Return
  ended "${PIDS[-1]}" || fail "the second copy still runs after its refusal ($*)"
  alive "$KULBO_PID" || fail "the first copy ended"
  [ "$(windows_titled Kulbo | wc -l)" -eq 1 ] || fail "the second copy opened a window ($*)"
}

if [ "$PLATFORM" = web ]; then source "$(dirname "${BASH_SOURCE[0]}")/web/road.sh"; fi
