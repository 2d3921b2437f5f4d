#!/bin/bash
# In the first room of a new game: holding Tab shows the markers of what the
# player can act on and letting it go takes them away; a click on the
# aquarium makes the hero say its look text over his head, and a click skips it;
# through the open door to the physics lab, a click on Mr Zirud walks the hero
# to him and the conversation menu grows up from the bottom of the screen.
. "$(dirname "$0")/common.inc"
start_x
start_game
wait_for_menu
click_at 150 175
sleep 1
intro=$(region 640 480 0 0)
click_at 320 240
for _ in $(seq 50); do
  [ "$(region 640 480 0 0)" != "$intro" ] && break
  sleep 0.2
done
# After the opening scene and the hero's first line the main loop runs.
sit_out_the_opening
sleep 5
kill -0 "$GPID" 2>/dev/null || fail "the game ended in the first room"
move 300 20
sleep 0.5
plain=$(region 640 340 0 0)
xdotool keydown --window "$WID" Tab
sleep 0.6
marked=$(region 640 340 0 0)
shot markers >/dev/null
xdotool keyup --window "$WID" Tab
sleep 0.6
after=$(region 640 340 0 0)
[ "$plain" != "$marked" ] || fail "holding Tab shows no markers"
[ "$plain" = "$after" ] || fail "the markers stay after Tab is let go"
# The aquarium (its box from (545, 135) to (640, 320), tested 20 across and
# 15 down from the pointer): looking is what a click on it does.
click_at 572 212
move 300 20
sleep 0.8
speaking=$(region 640 200 0 0)
shot spoken-line >/dev/null
click_at 300 20
sleep 1
quiet=$(region 640 200 0 0)
shot after-line >/dev/null
[ "$speaking" != "$quiet" ] || fail "no spoken line over the hero, or a click did not skip it"
# The door to the physics lab (its exit from (240, 110) to (260, 185)).
click_at 250 150
move 300 20
sleep 7
kill -0 "$GPID" 2>/dev/null || fail "the game ended on the way to the physics lab"
before=$(region 640 110 0 345)
# Mr Zirud stands from (467, 155); the hero talks to him from (470, 365).
click_at 497 250
move 20 20
for _ in $(seq 40); do
  [ "$(region 640 110 0 345)" != "$before" ] && break
  sleep 0.25
done
sleep 1
menu=$(region 640 110 0 345)
shot conversation-menu >/dev/null
[ "$menu" != "$before" ] || fail "no conversation menu after a click on Mr Zirud"
echo "ok"
