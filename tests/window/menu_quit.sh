#!/bin/bash
# The real program reaches its main menu; Quit ends it with status 1 and
# rewrites options.sav.
. "$(dirname "$0")/common.inc"
start_x
printf '1 2 3 1 \r\n  kept slot name' >"$WORK/options.sav"
start_game
wait_for_menu
shot menu >/dev/null
click_at 160 420
status=$(wait_for_exit)
[ "$status" = 1 ] || fail "exit status $status, expected 1"
grep -q "Credits:" "$WORK/stdout" || fail "no farewell on the console"
size=$(stat -c %s "$WORK/options.sav")
[ "$size" = 328 ] || fail "options.sav has $size bytes, expected 328"
head -c 24 "$WORK/options.sav" | grep -q "^1 2 3 1 " || fail "options.sav lost its settings"
grep -q "  kept slot name" "$WORK/options.sav" || fail "options.sav lost a slot name"
echo "ok"
