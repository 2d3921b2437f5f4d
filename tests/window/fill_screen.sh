#!/bin/bash
# "-scale fill" on a 1280 x 800 screen: the window is the largest 4:3 one the desktop holds beside the
# window's frame (40 x 80 of it): 1240 x 720 leaves 960 x 720. F11 puts the picture on the whole screen,
# the largest 4:3 size with its height a multiple of 3 (798, so 1064 x 798) in the middle: from (108, 1),
# black around it. The game answers the mouse at the enlarged places: the main menu's eyes, and New game
# starts the game.
. "$(dirname "$0")/common.inc"
start_x 1280x800
start_game -scale fill
geometry=$(xdotool getwindowgeometry "$WID" | sed -n 's/.*Geometry: *//p')
[ "$geometry" = "960x720" ] || fail "the fill window is $geometry, expected 960x720"
SHOWN_W=960
wait_for_menu

key F11
SHOWN_W=1064 SHOWN_X=108 SHOWN_Y=1
# Whether a rectangle (WxH+X+Y, on the screen) of the screenshot $1 is all black.
black() { [ "$(convert "$1" -crop "$2" +repage -format '%[fx:maxima]' info:)" = 0 ]; }
# The border strips left, right, above and below the picture are black; its own outermost columns and rows
# are not.
fills_the_screen() {
  local now="$WORK/screen.png"
  xwd -root -silent | convert xwd:- "$now" || return 1
  for strip in 108x800+0+0 108x800+1172+0 1280x1+0+0 1280x1+0+799; do black "$now" "$strip" || return 1; done
  for edge in 1x798+108+1 1x798+1171+1 1064x1+108+1 1064x1+108+798; do ! black "$now" "$edge" || return 1; done
}
wait_for 30 "F11 did not show the picture at 1064 x 798 from (108, 1) on black" fills_the_screen
shot full >/dev/null
wait_for_menu
# New game, clicked at its place in the filled picture.
click_new_game quick_click_at
shot intro >/dev/null
echo "ok"
