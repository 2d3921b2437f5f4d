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
new_game_to_main_loop
move 300 20
wait_for 10 "the room does not stand still" still 640 340 0 0
plain=$(region 640 340 0 0)
xdotool keydown --window "$WID" Tab 2>/dev/null
wait_for 10 "holding Tab shows no markers" changed "$plain" 640 340 0 0
shot markers >/dev/null
xdotool keyup --window "$WID" Tab 2>/dev/null
wait_for 10 "the markers stay after Tab is let go" still_as "$plain" 640 340 0 0
# The aquarium (its box from (545, 226) to (635, 344)): looking is what a
# click on it does; the line is over the hero's head.
quiet=$(region 640 200 0 0)
click_at 570 260
move 300 20
wait_for 10 "no spoken line over the hero" changed "$quiet" 640 200 0 0
shot spoken-line >/dev/null
click_at 300 20
wait_for 10 "a click did not skip the line" still_as "$quiet" 640 200 0 0
# The door to the physics lab (its exit from (240, 110) to (260, 185)); the
# new room has come when the ceiling changes (the pointer kept out of it).
move 20 200
wait_for 10 "the ceiling does not stand still" still 640 60 0 0
ceiling=$(region 640 60 0 0)
click_at 250 150
move 20 200
wait_for 30 "the door did not lead out of the corridor" changed "$ceiling" 640 60 0 0
wait_for 30 "the main loop did not come back in the physics lab" bag_answers
wait_for 10 "the physics lab does not stand still" still 640 110 0 345
before=$(region 640 110 0 345)
# Mr Zirud stands from (461, 171); the hero talks to him from (440, 370).
click_at 497 250
move 20 20
wait_for 30 "no conversation menu after a click on Mr Zirud" changed "$before" 640 110 0 345
wait_for 10 "the conversation menu does not stand still" still 640 110 0 345
shot conversation-menu >/dev/null
echo "ok"
