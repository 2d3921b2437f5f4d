#!/bin/bash
# A game saved and loaded through the slot screens in a real window: F5, a name typed, Enter; the same slot again
# asks before it is written over, OK confirms. The slot, its side file and its picture appear. The hero walks on;
# F7 lists the slot with its date and the room's picture, a click asks, OK loads: the room is as it was saved.
. "$(dirname "$0")/common.inc"
start_x
start_game
wait_for_menu
new_game_to_main_loop
move 600 20
wait_for 20 "the room does not stand still" still 640 340 0 0
room=$(region 640 340 0 0)
# The panel's area: the screens open over it.
panel() { region 520 350 60 65; }
open_screen() {
  local before
  before=$(panel)
  key "$1"
  wait_for 10 "$1 did not open its screen" changed "$before" 520 350 60 65
  move 320 440
  wait_for 10 "the screen of $1 does not stand still" still 520 350 60 65
}
# Slot 1's line: from y 150, the name from x 122.
typing_shows() {
  local before
  before=$(region 300 15 122 151)
  key "$@"
  wait_for 10 "the typing does not show $*" changed "$before" 300 15 122 151
}
open_screen F5
screen=$(panel)
click_at 200 158
wait_for 10 "a click on slot 1 did not start the typing" changed "$screen" 520 350 60 65
typing_shows P
typing_shows r o b e
shot typing >/dev/null
key Return
wait_for 20 "Enter did not save into slot 1" test -s "$WORK/sav/game00.sav"
wait_for 10 "no side file beside slot 1" test -s "$WORK/sav/game00.info"
wait_for 10 "no picture beside slot 1" test -s "$WORK/sav/game00.bmp"
first=$(stat -c %y "$WORK/sav/game00.sav")
# The same slot again: the question comes, OK writes it over.
move 320 440
wait_for 10 "the save screen does not stand still" still 520 350 60 65
screen=$(panel)
click_at 200 158
wait_for 10 "the second click on slot 1 did not start the typing" changed "$screen" 520 350 60 65
typing_shows Z
typed=$(panel)
key Return
wait_for 10 "Enter did not ask before slot 1 is written over" changed "$typed" 520 350 60 65
wait_for 10 "the question does not stand still" still 520 350 60 65
[ "$(stat -c %y "$WORK/sav/game00.sav")" = "$first" ] || fail "slot 1 was written over before the question"
shot overwrite-question >/dev/null
click_at 230 376
slot_written_again() { [ "$(stat -c %y "$WORK/sav/game00.sav" 2>/dev/null)" != "$first" ]; }
wait_for 20 "OK did not write slot 1 over" slot_written_again
grep -q "^room future_floor1" "$WORK/sav/game00.info" || fail "the side file names another room"
# Back to the game, and the hero walks away from where he was saved.
move 320 440
wait_for 10 "the save screen does not stand still after the save" still 520 350 60 65
click_at 230 376
move 600 20
wait_for 10 "OK did not lead back to the room" still_as "$room" 640 340 0 0
click_at 420 330
move 600 20
wait_for 10 "the hero did not walk" changed "$room" 640 340 0 0
wait_for 20 "the hero does not come to a stop" still 640 340 0 0
# F7: the slot is listed; with the pointer on its line the room's picture (from x 455, y 129, 96 x 72) and the
# date and time played (under the list, from y 319) appear where nothing stood before.
open_screen F7
picture_off=$(region 96 72 455 129)
details_off=$(region 440 36 100 319)
move 200 158
wait_for 10 "no picture beside the saved game" changed "$picture_off" 96 72 455 129
wait_for 10 "no date under the list" changed "$details_off" 440 36 100 319
listed=$(panel)
shot load-screen >/dev/null
click_at 200 158
wait_for 10 "no question before the load" changed "$listed" 520 350 60 65
shot load-question >/dev/null
click_at 230 376
move 600 20
wait_for 30 "the load did not bring back the room as it was saved" still_as "$room" 640 340 0 0
shot loaded >/dev/null
echo "ok"
