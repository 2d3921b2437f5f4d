#!/bin/bash
# Quit in the real program's main menu ends it with status 1, the farewell on
# the console, and options.sav rewritten with its settings and slot names.
# An options.sav it cannot use: a FIFO in its place is not read (the menu
# appears instead of a black window) and is left as it is, what Quit keeps
# going to settings.txt (nothing the player made is written over); with
# a full disk, Quit says on the console why the settings could not be saved,
# before the farewell, and keeps the old file.
. "$(dirname "$0")/common.inc"
start_x

quit_from_menu() {
  start_game --console
  wait_for_menu
  click_at 160 420
  wait_for_exit
  [ "$status" = 1 ] || fail "exit status $status ($1), expected 1"
}

printf '1 2 3 1 \r\n  kept slot name' >"$WORK/options.sav"
quit_from_menu "a usable options.sav"
grep -q "Credits:" "$WORK/console" || fail "no farewell on the console"
size=$(stat -c %s "$WORK/options.sav")
[ "$size" = 328 ] || fail "options.sav has $size bytes, expected 328"
head -c 24 "$WORK/options.sav" | grep -q "^1 2 3 1 " || fail "options.sav lost its settings"
grep -q "  kept slot name" "$WORK/options.sav" || fail "options.sav lost a slot name"

rm "$WORK/options.sav"
mkfifo "$WORK/options.sav"
quit_from_menu "a FIFO for options.sav"
grep -q "options.sav: it is not a regular file" "$WORK/console" || fail "the FIFO was not reported"
[ -p "$WORK/options.sav" ] || fail "the FIFO in options.sav's place was written over"
grep -q "^options.music_vol=" "$WORK/settings.txt" || fail "settings.txt does not keep the settings options.sav could not take"
rm "$WORK/options.sav"

printf '1 2 3 1 \r\nkept slot name' >"$WORK/options.sav"
start_game --console
wait_for_menu
ln -s /dev/full "$WORK/options.sav.$GPID.tmp"  # the file the game replaces options.sav through
click_at 160 420
wait_for_exit
[ "$status" = 1 ] || fail "exit status $status with a full disk, expected 1"
failure=$(grep -n "the settings could not be saved to options.sav: No space left on device" "$WORK/console" | cut -d: -f1)
farewell=$(grep -n "Credits:" "$WORK/console" | cut -d: -f1)
[ -n "$failure" ] || fail "Quit did not say the settings were not saved: $(cat "$WORK/console")"
[ -n "$farewell" ] || fail "no farewell"
[ "$failure" -lt "$farewell" ] || fail "the failure is told after the farewell"
[ "$(cat "$WORK/options.sav")" = $'1 2 3 1 \r\nkept slot name' ] || fail "options.sav changed"
echo "ok"
