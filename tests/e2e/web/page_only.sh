#!/usr/bin/env bash
# What only the page has: it can be installed on a tablet, shows a line
# before it has loaded, fits and works by touch at five sizes, keeps the
# screen awake, goes full screen, masks the password with asterisks,
# 进入官网 opens a new tab, closing the tab asks, a closed tab frees the
# program for the next, and after the first visit the page works with its
# server gone.
source "$(dirname "$0")/../lib.sh"
[ "$PLATFORM" = web ] || { echo "skip: the page's own scenarios"; exit 77; }
open_kulbo

errors=$(web cdp "$main" Page.getInstallabilityErrors)
[ "$errors" = "{'installabilityErrors': []}" ] || fail "the page cannot be installed: $errors"
# The PNGs a tablet wants: the manifest's, the maskable one among them, and
# the home screen's that the page names.
for icon in kulbo-192:192 kulbo-512:512 kulbo-maskable-512:512 kulbo-180:180; do
  [ "$(curl -sf "${SITE_URL}icons/${icon%:*}.png" | identify -format %w:%h -)" = "${icon#*:}:${icon#*:}" ] || fail "no icon $icon"
done
page=$(curl -sf "$SITE_URL")
curl -sf "${SITE_URL}kulbo.webmanifest" | grep -q '"icons/kulbo-maskable-512.png".*"maskable"' &&
  [[ $page == *'rel="apple-touch-icon" href="icons/kulbo-180.png"'* && $page == *'name="theme-color"'* ]] ||
  fail "a tablet would find no icons to install"
pass "installable as an app, with the icons a tablet wants"

# Before the program has loaded, and without scripts, the page has a line
# of the program's; a screen reader finds a heading.
[[ $page == *"$(word PageLoading)"* && $page == *"<noscript>"*"$(word PageNeedsScripts)"* ]] || fail "a blank page till the program loads"
[ "$(web script "$main" 'document.querySelector("h1").textContent')" = Kulbo ] || fail "the page has no heading"
pass "a line before the program loads, and one without scripts"

# At every size the captions fit their buttons, a label over a box clears
# it, and the full-screen control lies outside the window.
fits='(() => { const r = e => e.getBoundingClientRect(), corner = document.getElementById("full-screen");'\
' const seen = [...document.querySelectorAll("#window button, #window .label, #window input")].filter(e => e.checkVisibility());'\
' const inside = (a, b) => a.top >= b.top && a.bottom <= b.bottom && a.left >= b.left && a.right <= b.right;'\
' const meet = (a, b) => a.top < b.bottom && b.top < a.bottom && a.left < b.right && b.left < a.right;'\
' const cut = seen.filter(e => e.matches("button") ? !inside(r(e.lastChild), r(e)) : e.matches(".label") && seen.some(b => b.matches("input") && r(e).left >= r(b).left && meet(r(e), r(b))));'\
' if (meet(r(corner), r(document.getElementById("window"))) || r(corner).height < 24) cut.push(corner);'\
' return cut.map(e => e.textContent || e.id).join(" "); })()'
for size in 1920x1080 1366x768 1024x768 768x1024 390x844; do
  web viewport "$main" "${size%x*}" "${size#*x}" mouse
  [ -z "$(web script "$main" "$fits")" ] || fail "at $size on the main face: $(web script "$main" "$fits")"
  click_settings "$main"
  [ -z "$(web script "$main" "$fits")" ] || fail "at $size on the lock panel: $(web script "$main" "$fits")"
  keys_to "$main" Escape
done
pass "captions and labels fit at five sizes, the full-screen control beside the window"

# By touch: the number boxes ask for the number keyboard; a double tap on
# 开始 picks twice at once, and a double click on the number selects nothing.
web viewport "$main" 390 844 touch
[ "$(web script "$main" 'document.querySelectorAll("input[inputmode=decimal]").length')" = 3 ] || fail "no number keyboard"
web click "$main" 88 400 2 50 touch
web click "$main" 220 270 2 50
[ "$(web script "$main" 'getSelection().toString() + visualViewport.scale')" = 1 ] || fail "text selected or the page zoomed"
click_history "$main"
[ "$(web script "$main" 'document.querySelector("#window textarea").value.split("\n").length')" = 3 ] ||
  fail "a double tap did not pick twice: $(web script "$main" 'document.querySelector("#window textarea").value')"
click_close_history "$main"
web viewport "$main" 1024 768 mouse
pass "touch: number keyboard, no waiting, no selection"

# The screen stays awake while the page is seen, asked again when it is
# seen again (the browser lets the lock go when the page is hidden).
locks='kulboTestLocks.map(lock => lock.released ? 0 : 1).join("")'
[ "$(web script "$main" "$locks")" = 1 ] || fail "no wake lock: $(web script "$main" "$locks")"
web script "$main" 'kulboTestLocks[0].release().then(() => document.dispatchEvent(new Event("visibilitychange")))' > /dev/null
within 30 eval '[ "$(web script "$main" "$locks")" = 01 ]' || fail "the wake lock was not asked again: $(web script "$main" "$locks")"
pass "the screen kept awake"

shown='[!!document.fullscreenElement, document.getElementById("full-screen").getAttribute("aria-label")]'
for state in "True, '$(word PageLeaveFullScreen)'" "False, '$(word PageFullScreen)'"; do
  web click_element "$main" '#full-screen'
  within 30 eval '[ "$(web script "$main" "$shown")" = "[$state]" ]' || fail "not [$state]: $(web script "$main" "$shown")"
  [ -z "$(web script "$main" "$fits")" ] || fail "full screen: $(web script "$main" "$fits")"
done
pass "full screen by a control and back"

# The password box masks with the program's asterisk: its ink fills little
# of its bounds, where the browser's dot fills most of them.
click_settings "$main"
type_text 1
read -r w h x y < <(web script "$main" '(r => [r.width - 8, r.height - 8, r.left + 4, r.top + 4].map(Math.round).join(" "))(document.activeElement.getBoundingClientRect())')
web script "$main" 'document.activeElement.blur()' > /dev/null
web screenshot "$main" "$WORK/mask.png"
mask=$(convert "$WORK/mask.png" -crop "${w}x$h+$x+$y" +repage -colorspace gray -threshold 50% -negate -trim -format '%w %h %[fx:mean]' info:)
awk '{ exit !($1 > 4 && $3 < 0.7) }' <<< "$mask" || fail "the password box shows no asterisk: ink $mask"
keys_to "$main" Escape
pass "the password box shows an asterisk"

click_settings "$main"
keys_to "$main" Return
click_at "$main" 204 396                                  # 进入官网
website() { web cdp "$main" Target.getTargets | grep -qF "'url': 'https://kulbo.example.org/'"; }
within 30 website || fail "no new tab with the website: $(web cdp "$main" Target.getTargets)"
[ -z "$(windows_titled "Kulbo - 关于")" ] && alive "$main" || fail "the website changed the page"
click_at "$main" 380 396                                  # 确定: the settings were still open
pass "进入官网 opens the website in a new tab"

# The browser words the closing question itself, when the page asks for it;
# headless Chromium shows none, so the page's asking is what is seen here.
asks='(() => { const e = new Event("beforeunload", {cancelable: true}); dispatchEvent(e); return e.defaultPrevented; })()'
[ "$(web script "$main" "$asks")" = True ] || fail "closing the tab would not ask"
pass "closing the tab asks"

# The service worker keeps the site once it controls the page; a closed tab
# frees the program for the next.
within 50 eval '[ "$(web script "$main" "!!navigator.serviceWorker.controller")" = True ]'
web unserve
web close_tab "$main"
main=$(web new_tab) || fail "no new tab"
TABS=("$main")
wait_window Kulbo > /dev/null || fail "the page did not open without its server"
[ -z "$(windows_titled "运行中断 - Kulbo")" ] || fail "the closed tab still held the program"
click_start "$main"
[ -n "$(web script "$main" 'document.querySelector(".label.big").textContent')" ] || fail "offline, a pick drew nothing"
pass "offline after the first visit; a closed tab frees the program"
