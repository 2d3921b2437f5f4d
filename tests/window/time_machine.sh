#!/bin/bash
# The end of the game in the real program: a saved game in which the hero has
# just showered in the lead solution and stands in the physics lab is written
# into slot 0 and loaded from the main menu's Load game; the storyline starts
# the time machine at once. Escape skips the scene to the closing screen,
# which waits for a click; the program then ends with status 1.
. "$(dirname "$0")/common.inc"
start_x
start_game
wait_for_menu
# The rooms' start states, written behind the progress bar, in the rooms'
# order; the game state file holds them one after the other.
ROOM_FILES="physik kicker biolog physiktp cafet chimie class fpreau ffloor chimietp biblio cantina toilette
  entree aula hof crossing floor2 floor3 preau2 aqua portier floor9 floor8 floor4 floor6 floor5 floor10 floor7
  floor11 floor12 floor13 floor14 floor15 ffloor1 fphysik fcross fbiolog fphystp fchimie ffloor2 ffloor15 fchimtp"
{
  # hero_x hero_y invent_nr, the room, 100 empty inventory slots
  printf '565 360 0 15 future_physiktp'
  for _ in $(seq 100); do printf '1 z'; done
  for r in $ROOM_FILES; do
    [ -s "$WORK/sav/tmp/$r.sav" ] || fail "no start state for $r"
    cat "$WORK/sav/tmp/$r.sav"
    [ "$(tail -c 1 "$WORK/sav/tmp/$r.sav")" = " " ] || printf ' '
  done
  # After the end mark: the story flags that differ from a new game's.
  printf '#\npelvaro_saved 1\nstory_bleitank 1\nstory_teleskop 1\nstory_diamant 1\nstory_douche 1\nend\n'
} >"$WORK/sav/game00.sav"
options_before=$(md5sum "$WORK/options.sav" 2>/dev/null)
# Load game, then slot 0.
# The load screen's OK button comes where the menu shows its own picture.
ok_place=$(region 100 20 170 365)
click_at 160 220
wait_for 30 "Load game did not open the load screen" changed "$ok_place" 100 20 170 365
wait_for 10 "the load screen does not stand still" still 640 480 0 0
shot load-screen >/dev/null
ok_button=$(region 100 20 170 365)
click_at 200 156
move 630 470
# The scene starts at once. Escape skips it to the closing screen, never
# past it: the closing screen, where the load screen's OK button was, stands
# still and waits for a click.
# (Escape again while the scene goes on, in case the first came too early;
# the scene's caption "A bit later" also stands still for a while, but it
# goes at the next Escape, where the closing screen stays.)
skipped_to_the_end() {
  key Escape
  changed "$ok_button" 100 20 170 365 && still 640 480 0 0 || return 1
  local was
  was=$(region 640 480 0 0)
  key Escape
  still 640 480 0 0 && still_as "$was" 640 480 0 0
}
wait_for 60 "the closing screen did not come" skipped_to_the_end
shot closing >/dev/null
[ -s "$WORK/status" ] && fail "the closing screen did not wait for a click"
click_at 320 240
wait_for_exit
[ "$status" = 1 ] || fail "exit status $status, not 1"
[ "$(md5sum "$WORK/options.sav" 2>/dev/null)" = "$options_before" ] || fail "the options file was written"
echo "ok"
