#!/bin/bash
# New game from the real program's menu: the introduction, the first room with
# the hero's first line, then the main loop with the pointer following the mouse.
. "$(dirname "$0")/common.inc"
start_x
start_game
wait_for_menu
click_at 150 175
sleep 1
shot intro >/dev/null
before=$(region 640 480 0 0)
click_at 320 240
# The intro screen goes away and the room appears.
for _ in $(seq 50); do
  [ "$(region 640 480 0 0)" != "$before" ] && break
  sleep 0.2
done
sleep 0.5
shot first-line >/dev/null
# After the opening scene and the first line the main loop runs.
sit_out_the_opening
sleep 4
kill -0 "$GPID" 2>/dev/null || fail "the game ended in the first room"
xdotool mousemove --window "$WID" 200 250
sleep 0.4
a=$(region 80 80 180 230)
xdotool mousemove --window "$WID" 400 250
sleep 0.4
b=$(region 80 80 180 230)
shot main-loop >/dev/null
[ "$a" != "$b" ] || fail "the pointer does not follow the mouse"
# A click on the floor walks the hero away from where he stood.
xdotool mousemove --window "$WID" 600 20
sleep 0.3
before=$(region 100 200 240 90)
click_at 420 330
xdotool mousemove --window "$WID" 600 20
sleep 0.6
shot walking >/dev/null
sleep 3
after=$(region 100 200 240 90)
shot walked >/dev/null
[ "$before" != "$after" ] || fail "the hero did not walk"
echo "ok"
