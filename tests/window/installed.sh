#!/bin/bash
# The installed game: `cmake --install` into a staging root (as `make install
# DESTDIR=...` and the package do), the data made read-only, the launcher
# started as an ordinary user (nobody, when the test runs as root) with a
# fresh home. It picks the program from the user's language, and menu, New
# game, a saved game and Quit write into ~/.local/share/pelvaro and nowhere
# else.
. "$(dirname "$0")/common.inc"
root=$WORK/root
build=$(dirname "$GAME")
trap 'chmod -R u+w "$WORK" 2>/dev/null; cleanup' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >"$WORK/install.log" || fail "install failed"
launcher=$root/usr/games/pelvaro

# The launcher's choice of language, with stand-ins for the two programs.
fake=$WORK/fake
mkdir -p "$fake/games" "$fake/lib/games/pelvaro"
cp "$launcher" "$fake/games/"
for l in de en; do printf '#!/bin/sh\necho %s "$@"\n' $l >"$fake/lib/games/pelvaro/game_$l"; done
chmod +x "$fake"/lib/games/pelvaro/game_*
while IFS='|' read -r want environment arguments; do
  # shellcheck disable=SC2086 # the table's fields are word lists
  got=$(env -i $environment "$fake/games/pelvaro" $arguments 2>&1; echo "status $?")
  [ "$(echo $got)" = "$want" ] || fail "launcher with '$environment' '$arguments': '$(echo $got)', expected '$want'"
done <<'EOF'
de status 0|LANG=de_DE.UTF-8|
de status 0|LANG=lb_LU.UTF-8|
de -scale 2 status 0|LC_MESSAGES=de_AT.UTF-8 LANG=en_US.UTF-8|-scale 2
en status 0|LC_ALL=en_GB.UTF-8 LANG=de_DE.UTF-8|
en status 0|LANG=fr_FR.UTF-8|
en status 0|LANG=C LANGUAGE=de|
de status 0|LANG=fr_FR.UTF-8 LANGUAGE=fr:lb:en|
en status 0||
en -fullscreen status 0|LANG=de_DE.UTF-8|--lang en -fullscreen
de status 0|LANG=en_US.UTF-8|--lang=de
pelvaro: --lang takes de (German) or en (English) status 2|LANG=de_DE.UTF-8|--lang fr
EOF

# The real game, as an ordinary user whose home is new; the data read-only.
chmod -R a-w "$root"
chmod 755 "$WORK"
home=$WORK/home
mkdir "$home"
as_user=()
if [ "$(id -u)" = 0 ]; then
  chown nobody "$home"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
[ "$GAME_LANG" = de ] && locale=de_DE.UTF-8 || locale=en_US.UTF-8
touch "$WORK/before"
start_x
GAME=env
start_game -i DISPLAY="$DISPLAY" HOME="$home" LANG=$locale PATH=/usr/bin:/bin "${as_user[@]}" "$launcher" -scale 1
[ "$(readlink "/proc/$GPID/exe")" = "$root/usr/lib/games/pelvaro/game_$GAME_LANG" ] ||
  fail "the launcher started $(readlink "/proc/$GPID/exe") for $locale"
wait_for_menu
new_game_to_main_loop
# The bag, the control panel, Save, the first slot: a name, Enter.
open_bag
open_panel
wait_for 10 "the panel does not stand still" still 520 350 60 65
panel=$(region 520 350 60 65)
click_at 150 376
move 500 100
wait_for 10 "Save did not open the slots" changed "$panel" 520 350 60 65
click_at 300 160
key a b c Return
mine=$home/.local/share/pelvaro
saved() { [ -s "$mine/sav/game00.sav" ]; }
wait_for 60 "the game was not saved into the player's folder" saved
shot saved >/dev/null
# Back to the panel, and Quit.
click_at 425 376
move 500 100
wait_for 10 "the panel did not come back" still_as "$panel" 520 350 60 65
click_at 320 316
wait_for_exit
[ "$status" = 1 ] || fail "Quit ended the installed game with status $status"

for f in options.sav bugs.txt sav/autosave.sav sav/tmp/ffloor1.sav; do
  [ -f "$mine/$f" ] || fail "$f is not in the player's folder"
done
tail -n +2 "$mine/options.sav" | grep -q "^abc " || fail "the slot's name is not in options.sav"
[ "$(stat -c %a "$mine")" = 700 ] || fail "the player's folder is not private"
# Nothing new anywhere else: not in the staging root, not in the working
# directory, and (as root) no file of that user's in the temporary folders.
written_elsewhere() {
  find "$WORK" -newer "$WORK/before" -not -path "$WORK" -not -path "$home" -not -path "$home/*" |
    grep -v -x -e "$WORK/status" -e "$WORK/pid" -e "$WORK/stdout" -e "$WORK/stderr" -e "$WORK/display"
  [ "$(id -u)" = 0 ] && find /tmp /var/tmp /dev/shm -xdev -user nobody -newer "$WORK/before" -not -path "$home*"
}
elsewhere=$(written_elsewhere 2>/dev/null)
[ -z "$elsewhere" ] || fail "the installed game wrote outside the player's folder: $elsewhere"

# Uninstalled from the same root (as `make uninstall DESTDIR=... PREFIX=/usr`): no file of the install is
# left, nor the game's own folders; a file the install did not put there stays.
chmod -R u+w "$root"
touch "$root/usr/share/applications/other.desktop"
"$(dirname "$0")/../../packaging/uninstall.sh" "$build" "$root/usr" >/dev/null || fail "uninstall failed"
left=$(cd "$root/usr" && find . -type f -not -path ./share/applications/other.desktop)
[ -z "$left" ] || fail "uninstall left: $left"
for folder in games/pelvaro lib/games/pelvaro share/games/pelvaro share/doc/pelvaro; do
  [ ! -e "$root/usr/$folder" ] || fail "uninstall left $folder"
done
echo "ok"
