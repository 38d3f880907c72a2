#!/usr/bin/env bash
# Enlarged for a projector: on the 1024x768 screen a factor of 2 would put
# the window's foot off screen, so the program starts over at 1.5 and its
# client area is the design's 441x426 times 1.5. With a Chinese font it says
# nothing about fonts; without one it names the package to install, and runs.
source "$(dirname "$0")/../lib.sh"
QT_SCALE_FACTOR=2 open_kulbo
[ "$(client_size "$main")" = 662x639 ] || fail "client area at factor 2 on 1024x768 is $(client_size "$main")"
alive "$KULBO_PID" || fail "the program that started over is not the one started"
grep -q fonts-arphic "$WORK/kulbo.log" && fail "a word about fonts although they are installed"
pass "factor 2 falls back to 1.5 on a 1024x768 screen: 662x639"
{ kill -9 "$KULBO_PID"; wait "$KULBO_PID"; } 2> /dev/null || true
cat > "$WORK/latin-only.conf" <<CONF
<?xml version="1.0"?>
<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir><cachedir>$WORK/font-cache</cachedir></fontconfig>
CONF
FONTCONFIG_FILE=$WORK/latin-only.conf start_kulbo
wait_window Kulbo > /dev/null || fail "no window without a Chinese font"
grep -q "install fonts-arphic-gbsn00lp" "$WORK/kulbo.log" || fail "no word about the missing Chinese font"
pass "a missing Chinese font is named"
