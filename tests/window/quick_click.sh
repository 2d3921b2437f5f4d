#!/bin/bash
# Clicks whose press and release reach the game together (xdotool click, no
# hold) are not lost: New game starts the game, the introduction goes away, and
# in the main loop a click on the floor walks the hero.
. "$(dirname "$0")/common.inc"
start_x
start_game
wait_for_menu
move 150 175
sleep 0.3
menu=$(region 640 480 0 0)
xdotool click 1
for _ in $(seq 50); do
  [ "$(region 640 480 0 0)" != "$menu" ] && break
  sleep 0.1
done
sleep 0.5
shot intro >/dev/null
[ "$(region 640 480 0 0)" != "$menu" ] || fail "a quick click on New game did not start the game"
intro=$(region 640 480 0 0)
quick_click_at 320 240
for _ in $(seq 50); do
  [ "$(region 640 480 0 0)" != "$intro" ] && break
  sleep 0.1
done
[ "$(region 640 480 0 0)" != "$intro" ] || fail "a quick click did not end the introduction"
# The opening scene, the hero's first line, then the main loop.
sit_out_the_opening
sleep 5
kill -0 "$GPID" 2>/dev/null || fail "the game ended in the first room"
move 600 20
sleep 0.3
before=$(region 100 200 240 90)
quick_click_at 420 330
move 600 20
sleep 3.5
shot walked >/dev/null
after=$(region 100 200 240 90)
[ "$before" != "$after" ] || fail "a quick click on the floor did not walk the hero"
echo "ok"
