#!/usr/bin/env bash
# Enlarged for a projector: on the 1024x768 screen a factor of 2 would put
# the window's foot off screen, so the program starts over at 1.5 and its
# client area is the design's 441x426 times 1.5.
source "$(dirname "$0")/../lib.sh"
QT_SCALE_FACTOR=2 open_kulbo
[ "$(client_size "$main")" = 662x639 ] || fail "client area at factor 2 on 1024x768 is $(client_size "$main")"
alive "$KULBO_PID" || fail "the program that started over is not the one started"
pass "factor 2 falls back to 1.5 on a 1024x768 screen: 662x639"
