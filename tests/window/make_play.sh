#!/bin/bash
# `make play`, Quit, then the tests, in that order. The game is started as `make play` starts it once it is
# built (`make run`: the build's program, in the build folder) and quit with the main menu's Quit, the game's own
# end, which is no error for make; a second copy meanwhile is one, with the game's status 4. Afterwards the
# data folder is as the play found it, the player's files are in build/player, and a headless test program,
# started from the data folder as ctest starts it, still plays its games.
# The build is staged in the test's folder: the program beside a link to the real data folder, so the play
# reads the real build/data (and would leave its files there, were they written there) while its player's
# folder is the stage's, not the one of the developer's own games.
. "$(dirname "$0")/common.inc"
source=$(cd "$(dirname "$0")/../.." && pwd)
build=$(dirname "$GAME")
stage=$WORK/build
mkdir "$stage"
ln "$GAME" "$stage/" 2>/dev/null || cp "$GAME" "$stage/"
ln -s "$DATA" "$stage/data"
# `make run` as a player types it (through env, not as a make of the test run's own).
make_run=(-u MAKEFLAGS -u MFLAGS -u MAKELEVEL make -s --no-print-directory -C "$source" run BUILD="$stage"
  LANG="$GAME_LANG")
data_listing() { (cd "$DATA" && find . -printf '%p %y %s %T@\n' | sort); }
before=$(data_listing)

start_x
GAME=env
start_game "${make_run[@]}"
wait_for_menu
# Without a display the second copy only says so on the console (with one it shows it for a while).
second=$(env -u DISPLAY "${make_run[@]}" 2>&1) && fail "a second copy for the same player was no failure for make: $second"
echo "$second" | grep -q "^Pelvaro is already running.$" || fail "the second copy did not say why: $second"
echo "$second" | grep -q "Error 4$" || fail "make did not pass on the second copy's status 4: $second"
click_at 160 420  # Quit
wait_for_exit
[ "$status" = 0 ] || fail "Quit in the menu (the game's own end) ended make run with status $status"

after=$(data_listing)
[ "$after" = "$before" ] || fail "the play changed the data folder: $(diff <(echo "$before") <(echo "$after"))"
for f in pelvaro.lock options.sav sav/tmp/ffloor1.sav; do
  [ -e "$stage/player/$f" ] || fail "$f is not in the player's folder build/player"
done

tests=$build/tests/tests_$GAME_LANG
[ -x "$tests" ] || fail "$tests is not built (make test builds it)"
(cd "$DATA" && "$tests" --gtest_brief=1 --gtest_filter='StartUp.*') >"$WORK/headless.log" 2>&1 ||
  fail "the headless start-up tests failed after the play: $(tail -n 20 "$WORK/headless.log")"
echo "ok"
