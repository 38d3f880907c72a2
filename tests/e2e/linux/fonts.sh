#!/usr/bin/env bash
# Without a Chinese font the program names the package to install, and runs;
# with one, it says nothing about fonts.
source "$(dirname "$0")/../lib.sh"
open_kulbo
grep -q fonts-arphic "$WORK/kulbo.log" && fail "a word about fonts although they are installed"
{ kill -9 "$KULBO_PID"; wait "$KULBO_PID"; } 2> /dev/null || true
cat > "$WORK/latin-only.conf" <<CONF
<?xml version="1.0"?>
<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir><cachedir>$WORK/font-cache</cachedir></fontconfig>
CONF
export FONTCONFIG_FILE=$WORK/latin-only.conf
start_kulbo
unset FONTCONFIG_FILE
wait_window Kulbo > /dev/null || fail "no window without a Chinese font"
grep -q "install fonts-arphic-gbsn00lp" "$WORK/kulbo.log" || fail "no word about the missing Chinese font"
pass "a missing Chinese font is named"
