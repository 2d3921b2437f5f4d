#!/bin/bash
# The real program with an options.sav it cannot use: a FIFO in its place is
# not read (the menu appears instead of a black window) and Quit puts a
# regular file there; with a full disk, Quit says on the console why the
# settings could not be saved, before the farewell, and keeps the old file.
. "$(dirname "$0")/common.inc"
start_x

# The game with standard output and error in one file, in the order written.
start_game_console() {
  (cd "$WORK" && exec "$GAME" >"$WORK/console" 2>&1) &
  GPID=$!
  WID=""
  for _ in $(seq 200); do
    WID=$(xdotool search --onlyvisible --name Pelvaro 2>/dev/null | head -n 1)
    [ -n "$WID" ] && break
    kill -0 "$GPID" 2>/dev/null || fail "the game ended before its window appeared: $(cat "$WORK/console")"
    sleep 0.1
  done
  [ -n "$WID" ] || fail "no game window"
}

mkfifo "$WORK/options.sav"
start_game_console
wait_for_menu
grep -q "options.sav: it is not a regular file" "$WORK/console" || fail "the FIFO was not reported"
click_at 160 420
status=$(wait_for_exit)
[ "$status" = 1 ] || fail "exit status $status after the FIFO, expected 1"
[ -f "$WORK/options.sav" ] && [ ! -p "$WORK/options.sav" ] || fail "options.sav is not a regular file after Quit"
numbers=$(head -n 1 "$WORK/options.sav" | tr -d '\r')
[ "$(stat -c %s "$WORK/options.sav")" = $((${#numbers} + 10 * 32)) ] || fail "options.sav is not four numbers and ten names"

printf '1 2 3 1 \r\nkept slot name' >"$WORK/options.sav"
ln -s /dev/full "$WORK/options.sav.tmp"
start_game_console
wait_for_menu
click_at 160 420
status=$(wait_for_exit)
[ "$status" = 1 ] || fail "exit status $status with a full disk, expected 1"
failure=$(grep -n "the settings could not be saved to options.sav: No space left on device" "$WORK/console" | cut -d: -f1)
farewell=$(grep -n "Credits:" "$WORK/console" | cut -d: -f1)
[ -n "$failure" ] || fail "Quit did not say the settings were not saved: $(cat "$WORK/console")"
[ -n "$farewell" ] || fail "no farewell"
[ "$failure" -lt "$farewell" ] || fail "the failure is told after the farewell"
[ "$(cat "$WORK/options.sav")" = $'1 2 3 1 \r\nkept slot name' ] || fail "options.sav changed"
echo "ok"
