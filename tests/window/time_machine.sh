#!/bin/bash
# The end of the game in the real program: a saved game in which the hero has
# just showered in the lead solution and stands in the physics lab is written
# into slot 0 and loaded from the main menu's Load game; the storyline starts
# the time machine at once. Screenshots along the scene, then the closing
# screen, which waits for a click; the program then ends with status 1.
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
click_at 160 220
sleep 1
shot load-screen >/dev/null
click_at 200 156
start=$(date +%s)
# The scene runs for about half a minute; a picture every two seconds, until
# the screen has stood still for four seconds (the closing screen).
last=""
still=0
for i in $(seq 30); do
  sleep 2
  kill -0 "$GPID" 2>/dev/null || fail "the game ended before the closing screen: $(cat "$WORK/stderr")"
  shot "$(printf 'scene-%02d' "$i")" >/dev/null
  now=$(region 640 480 0 0)
  if [ "$now" = "$last" ] && [ $(($(date +%s) - start)) -gt 20 ]; then
    still=$((still + 1))
    [ $still -ge 2 ] && break
  else
    still=0
  fi
  last=$now
done
[ $still -ge 2 ] || fail "the closing screen did not come"
shot closing >/dev/null
kill -0 "$GPID" 2>/dev/null || fail "the closing screen did not wait for a click"
click_at 320 240
status=$(wait_for_exit)
[ "$status" = 1 ] || fail "exit status $status, not 1"
[ "$(md5sum "$WORK/options.sav" 2>/dev/null)" = "$options_before" ] || fail "the options file was written"
echo "ok"
