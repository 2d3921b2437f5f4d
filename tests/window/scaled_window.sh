#!/bin/bash
# On a 1920 x 1080 screen the window is the picture doubled, 1280 x 960, and
# the game answers the mouse at the doubled places: New game starts the game.
# "-scale 1" gives the original window on the same screen; F11 puts it on the
# whole screen and back.
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
SCALE=1
wait_for_menu
# On the whole screen the picture lies in its middle (from (640, 300)) on
# black; in the window at the top-left corner of the empty screen.
black=$(head -c 30000 /dev/zero | md5sum | cut -c1-32)
shows() { [ "$(region 100 100 "$1" "$2")" != "$black" ] && [ "$(region 100 100 "$3" "$4")" = "$black" ]; }
for where in "640 300 0 0" "0 0 640 300"; do
  key F11
  wait_for 30 "F11 did not switch to $where" shows $where
  shot "f11-${where// /-}" >/dev/null
done
echo "ok"
