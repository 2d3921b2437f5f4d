#!/bin/bash
# New game from the real program's menu, with quick clicks (press and release
# reaching the game together, as some touchpads send them): the introduction,
# the opening scene, then the main loop, where the pointer follows the mouse
# and a quick click on the floor walks the hero.
. "$(dirname "$0")/common.inc"
start_x
start_game
wait_for_menu
shot menu >/dev/null
new_game_to_main_loop quick
move 200 250
wait_for 10 "no pointer at (200, 250)" still 80 80 180 230
a=$(region 80 80 180 230)
move 400 250
wait_for 10 "the pointer does not follow the mouse" changed "$a" 80 80 180 230
shot main-loop >/dev/null
# The hero stands in the band from (240, 200) to (340, 290).
move 600 20
wait_for 10 "the room does not stand still" still 100 200 240 90
before=$(region 100 200 240 90)
quick_click_at 420 330
move 600 20
wait_for 10 "a quick click on the floor did not walk the hero" changed "$before" 100 200 240 90
wait_for 20 "the hero does not come to a stop" still 640 340 0 0
shot walked >/dev/null
echo "ok"
