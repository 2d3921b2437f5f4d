#!/bin/bash
# Closing the window in the middle of a game keeps it: the game ends, the next
# start's menu offers Continue beside Load game, and Continue goes on in the
# room where the window was closed; SIGTERM keeps it the same way.
. "$(dirname "$0")/common.inc"
cc -o "$WORK/close_window" "$(dirname "$0")/helpers/close_window.c" -lX11 || fail "the close helper did not build"
start_x
start_game
wait_for_menu
menu_without=$(region 212 34 61 204)
new_game_to_main_loop
# Walk somewhere, so that the hero stands where a new game does not put him.
move 600 20
wait_for 10 "the room does not stand still" still 640 340 0 0
start=$(region 640 340 0 0)
click_at 420 330
move 600 20
wait_for 10 "the hero did not walk" changed "$start" 640 340 0 0
wait_for 20 "the hero does not come to a stop" still 640 340 0 0
room=$(region 640 340 0 0)
shot before-close >/dev/null
"$WORK/close_window" "$WID"
wait_for_exit
[ "$status" = 1 ] || fail "closing the window ended the game with status $status"
[ -s "$WORK/sav/autosave.sav" ] || fail "closing the window left no autosave"
ls "$WORK"/sav/game0*.sav >/dev/null 2>&1 && fail "closing the window wrote a named slot"

start_game
wait_for_menu
move 400 100
wait_for 10 "the menu does not offer Continue" changed "$menu_without" 212 34 61 204
shot menu-with-continue >/dev/null
# Continue: the left half of the band between New game and the second button.
click_at 112 220
move 600 20
wait_for 30 "Continue did not go on where the window was closed" still_as "$room" 640 340 0 0
shot continued >/dev/null

# SIGTERM, as a desktop sends it at logout, keeps the game as the close button does.
rm -f "$WORK/sav/autosave.sav"
kill -TERM "$GPID"
wait_for_exit
[ "$status" = 1 ] || fail "SIGTERM ended the game with status $status"
[ -s "$WORK/sav/autosave.sav" ] || fail "SIGTERM left no autosave"
echo "ok"
