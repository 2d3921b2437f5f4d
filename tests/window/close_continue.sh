#!/bin/bash
# Closing the window in the middle of a game keeps it: the game ends, the next
# start's menu offers Continue beside Load game, and Continue goes on in the
# room where the window was closed.
. "$(dirname "$0")/common.inc"
cc -o "$WORK/close_window" "$(dirname "$0")/helpers/close_window.c" -lX11 || fail "the close helper did not build"
start_x
# The first run notes its own exit status, read once its window is closed.
(cd "$WORK" && "$GAME" >"$WORK/stdout" 2>"$WORK/stderr"; echo $? >"$WORK/status") &
GPID=$!
for _ in $(seq 200); do
  WID=$(xdotool search --onlyvisible --name Pelvaro 2>/dev/null | head -n 1)
  [ -n "$WID" ] && break
  sleep 0.1
done
[ -n "$WID" ] || fail "no game window"
wait_for_menu
menu_without=$(region 212 34 61 204)
click_at 150 175
sleep 1
click_at 320 240
sit_out_the_opening
sleep 4
kill -0 "$GPID" 2>/dev/null || fail "the game ended in the first room"
# Walk somewhere, so that the hero stands where a new game does not put him.
click_at 420 330
sleep 4
xdotool mousemove --window "$WID" 600 20
sleep 0.5
room=$(region 640 340 0 0)
shot before-close >/dev/null
"$WORK/close_window" "$WID"
for _ in $(seq 100); do
  [ -s "$WORK/status" ] && break
  sleep 0.1
done
status=$(cat "$WORK/status" 2>/dev/null)
GPID=""
[ "$status" = 1 ] || fail "closing the window ended the game with status $status"
[ -s "$WORK/sav/autosave.sav" ] || fail "closing the window left no autosave"
ls "$WORK"/sav/game0*.sav >/dev/null 2>&1 && fail "closing the window wrote a named slot"

start_game
wait_for_menu
move 400 100
sleep 0.3
shot menu-with-continue >/dev/null
[ "$(region 212 34 61 204)" != "$menu_without" ] || fail "the menu does not offer Continue"
# Continue: the left half of the band between New game and the second button.
click_at 112 220
sleep 3
kill -0 "$GPID" 2>/dev/null || fail "the game ended after Continue"
xdotool mousemove --window "$WID" 600 20
sleep 0.5
shot continued >/dev/null
[ "$(region 640 340 0 0)" = "$room" ] || fail "Continue did not go on where the window was closed"
echo "ok"
