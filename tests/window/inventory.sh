#!/bin/bash
# The bag of a new game in the real program: the inventory over the room with
# the rolling pin and its description, the control panel, the quit button.
. "$(dirname "$0")/common.inc"
start_x
start_game -scale 1
wait_for_menu
click_at 150 175
sleep 1
click_at 320 240
# The opening scene, the first line, then the main loop.
sit_out_the_opening
sleep 6
kill -0 "$GPID" 2>/dev/null || fail "the game ended in the first room"
move 600 20
sleep 0.4
before=$(region 520 350 60 65)
click_at 70 400
sleep 0.6
# Over the rolling pin in the first slot: highlighted, its description at the top.
move 150 140
sleep 0.6
shot inventory >/dev/null
inv=$(region 520 350 60 65)
[ "$before" != "$inv" ] || fail "the bag did not open the inventory"
top=$(region 640 60 0 0)
move 500 100
sleep 0.4
[ "$top" != "$(region 640 60 0 0)" ] || fail "no description over the rolling pin"
# The control panel.
click_at 200 375
sleep 0.6
move 500 100
sleep 0.3
shot panel >/dev/null
[ "$inv" != "$(region 520 350 60 65)" ] || fail "the panel did not open"
# Quit: the game ends (its exit status 1 is checked headless) and keeps the settings.
click_at 300 330
for _ in $(seq 100); do
  kill -0 "$GPID" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$GPID" 2>/dev/null && fail "Quit on the panel did not end the game"
[ -f "$WORK/options.sav" ] || fail "no options.sav after quitting from the panel"
echo "ok"
