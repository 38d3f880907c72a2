# The web road of lib.sh: the page, served and shown in the headless
# Chromium that driver.py holds (run.sh starts it). The functions of lib.sh
# in the page's terms: a window is a tab's page or the box it shows; the
# reports are the browser's downloads.
REPORTS=$WORK/downloads
mkdir -p "$REPORTS"
# The script's tabs, the first the program's, and the tab the last input went to.
TABS=() FOCUSED=""

# One request to the browser; prints its answer.
web() {
  local port reply fd
  port=$(cat "${KULBO_WEB_BROWSER:?run by run.sh}/port") || fail "no browser in $KULBO_WEB_BROWSER"
  exec {fd}<>"/dev/tcp/127.0.0.1/$port"
  (IFS=$'\t'; printf '%s\n' "$*") >&"$fd"
  IFS= read -r reply <&"$fd" || reply=$'fail\tno answer'
  exec {fd}>&-
  [[ $reply == ok* ]] || { echo "browser: ${reply#fail$'\t'}" >&2; return 1; }
  reply=${reply#ok$'\t'}
  [ -z "$reply" ] || printf '%s\n' "$reply"
}

# The copy of the site served and opened; SITE_URL is its address.
open_kulbo() {
  read -r main SITE_URL < <(web open "$PROGRAM" "$REPORTS" "${TZ:-}") || fail "the page did not open"
  TABS=("$main")
  FOCUSED=$main
  KULBO_PID=$main
  wait_window Kulbo > /dev/null || fail "main window did not appear"
}

# A tab whose program ended takes no input.
ended() { web script "$1" 'document.getElementById("window").inert'; }
alive() { if [[ " ${TABS[*]} " == *" $1 "* ]]; then [ "$(ended "$1")" = False ]; else kill -0 "$1" 2>/dev/null; fi; }

# The windows of every tab, or those with exactly this title, one a line.
windows_titled() {
  local tab
  for tab in "${TABS[@]}"; do web find "$tab" "$@" | tr ' ' '\n'; done | sed '/^$/d'
}
program_windows() { windows_titled | sort; }
hidden() { ! program_windows | grep -qxF "$1"; }
window_title() { web script "$1" document.title; }

click_repeatedly() { FOCUSED=$1; web click "$1" "$2" "$3" "$4" "$5"; }
keys_to() { FOCUSED=${1%%/*}; web keys "$@"; }
press_keys() { web keys "$FOCUSED" "$@"; }
type_text() { web keys "$FOCUSED" $(LC_ALL=C.UTF-8 grep -o . <<< "$1"); }   # a key a character, none blank
set_clipboard() { web script "$FOCUSED" "navigator.clipboard.writeText('$1')" > /dev/null; }   # no quote in the text
right_click() { web click "$FOCUSED" "" "" 1 0 mouse 2; }

window_png() {
  local w h x y
  read -r w h x y < <(web script "$1" "(r => [r.width, r.height, r.left, r.top].map(Math.round).join(' '))(document.getElementById('window').getBoundingClientRect())")
  web screenshot "$1" "$WORK/page.png" && convert "$WORK/page.png" -crop "${w}x$h+$x+$y" +repage -resize '441x426!' png:-
}

# The window's own size, unscaled, and whether the page centres it.
client_size() { web script "$1" '(w => `${w.offsetWidth}x${w.offsetHeight}`)(document.getElementById("window"))'; }
window_centred() { [ "$(web script "$1" '(r => Math.abs(r.left + r.right - innerWidth) <= 2 && Math.abs(r.top + r.bottom - innerHeight) <= 2)(document.getElementById("window").getBoundingClientRect())')" = True ]; }

# The downloads that the browser has finished, one a line.
report_files() {
  sleep 0.3
  within 50 eval '! compgen -G "$REPORTS/*.crdownload" > /dev/null'
  find "$REPORTS" -maxdepth 1 -name 'Kulbo的历史幸运号报告*.txt' | sort
}

# A second tab of the same page shows the refusal, then takes no input and
# says where the program is; the first runs on.
second_copy_is_refused() {
  local second
  second=$(web new_tab) || fail "no second tab"
  TABS+=("$second")
  answer "运行中断 - Kulbo" "the second tab" Return
  [ "$(ended "$second")" = True ] || fail "the second tab still takes input after its refusal"
  [ "$(web script "$second" 'document.getElementById("status").textContent')" = "$(word PageInAnotherTab)" ] ||
    fail "the second tab does not say where the program is"
  alive "$main" || fail "the first tab ended"
  [ "$(windows_titled Kulbo | wc -l)" -eq 1 ] || fail "the second tab showed a window: $(windows_titled Kulbo | tr "\n" " ")"
}

# One of the program's words, as the page shows it.
word() { sed -n "s/.*k$1 = \"\(.*\)\";/\1/p" "$(dirname "${BASH_SOURCE[0]}")/../../../src/app/messages.h"; }
