#!/bin/bash
# On a 1920 x 1080 screen the window is the picture doubled, 1280 x 960, and
# the game answers the mouse at the doubled places: New game starts the game.
# "-scale 1" gives the original window on the same screen.
. "$(dirname "$0")/common.inc"
start_x 1920x1080
start_game
geometry=$(xdotool getwindowgeometry "$WID" | sed -n 's/.*Geometry: *//p')
[ "$geometry" = "1280x960" ] || fail "the window is $geometry, expected 1280x960"
SCALE=2
wait_for_menu
shot menu >/dev/null
# New game, clicked at its doubled place.
click_new_game quick_click_at
shot intro >/dev/null
kill -9 "$GPID"
wait "$GPID" 2>/dev/null
GPID=""
# The same screen with "-scale 1".
start_game -scale 1
geometry=$(xdotool getwindowgeometry "$WID" | sed -n 's/.*Geometry: *//p')
[ "$geometry" = "640x480" ] || fail "with -scale 1 the window is $geometry, expected 640x480"
echo "ok"
