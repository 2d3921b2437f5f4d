#!/bin/bash
# The bag of a new game in the real program: the inventory over the room with
# the rolling pin and its description, the control panel, the quit button.
. "$(dirname "$0")/common.inc"
start_x
start_game -scale 1
wait_for_menu
new_game_to_main_loop
open_bag
# Over the rolling pin in the first slot: its description at the top.
move 500 100
wait_for 10 "the inventory does not stand still" still 640 60 0 0
top=$(region 640 60 0 0)
move 150 140
wait_for 10 "no description over the rolling pin" changed "$top" 640 60 0 0
shot inventory >/dev/null
# The control panel.
open_panel
shot panel >/dev/null
# Quit: the game ends with status 1 and keeps the settings.
click_at 505 337  # Quit (451..560 x 326..349)
wait_for_exit
[ "$status" = 1 ] || fail "Quit on the panel ended the game with status $status"
[ -f "$WORK/options.sav" ] || fail "no options.sav after quitting from the panel"
echo "ok"
