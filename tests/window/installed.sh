#!/bin/bash
# The installed game: `cmake --install` into a staging root (as `make install
# DESTDIR=...` and the package do), the data made read-only, the launcher
# started as an ordinary user (nobody, when the test runs as root) with a
# fresh home. It picks the program from the user's language, passes the
# program's status on but for the game's own end (1, which is 0 through the
# launcher) and the closing signals to the program, tells --help as its own,
# and menu, New game, a saved game and Quit write into
# ~/.local/share/pelvaro and nowhere else.
. "$(dirname "$0")/common.inc"
root=$WORK/root
build=$(dirname "$GAME")
trap 'chmod -R u+w "$WORK" 2>/dev/null; cleanup' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >"$WORK/install.log" || fail "install failed"
launcher=$root/usr/games/pelvaro

# The AppStream metainfo and the desktop entry it launches, as a software centre reads them (Debian's appstream;
# without it the rest is still checked).
[ -f "$root/usr/share/metainfo/org.example.pelvaro.metainfo.xml" ] || fail "no metainfo in share/metainfo"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate-tree --no-net "$root" >"$WORK/appstream.log" 2>&1 ||
    fail "appstreamcli validate-tree: $(cat "$WORK/appstream.log")"
else
  echo "appstreamcli is not installed: the metainfo was not validated (apt-get install appstream)"
fi

# The launcher's choice of language, with stand-ins for the two programs.
fake=$WORK/fake
mkdir -p "$fake/games" "$fake/lib/games/pelvaro"
cp "$launcher" "$fake/games/"
for l in de en; do printf '#!/bin/sh\necho %s "$@"\nexit ${FAKE_STATUS:-0}\n' $l >"$fake/lib/games/pelvaro/game_$l"; done
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
en status 0|FAKE_STATUS=1|
en -scale 2 status 2|FAKE_STATUS=2|-scale 2
en status 3|FAKE_STATUS=3|
de status 4|FAKE_STATUS=4 LANG=de_DE.UTF-8|
EOF

# A SIGTERM (a logout) that reaches the launcher alone reaches the game, whose own end is then 0.
cat >"$fake/lib/games/pelvaro/game_en" <<'GAME'
#!/bin/sh
trap 'kill $idle; exit 1' TERM
sleep 600 &
idle=$!
: >"$FAKE_READY"
wait $idle
GAME
FAKE_READY=$WORK/fake_ready "$fake/games/pelvaro" --lang en &
launcher_pid=$!
wait_for 10 "the stand-in game did not start" test -e "$WORK/fake_ready"
kill -TERM $launcher_pid
launcher_ended() { ! kill -0 $launcher_pid 2>/dev/null; }
wait_for 10 "the launcher did not pass SIGTERM on to the game" launcher_ended
wait $launcher_pid
launcher_status=$?
[ $launcher_status = 0 ] || fail "the game ended by SIGTERM through the launcher: status $launcher_status, expected 0"

# --help through the launcher: its own usage line and --lang, then the game's options and keys.
for locale in en_US.UTF-8 de_DE.UTF-8; do
  help=$(env -i LANG=$locale "$launcher" --help) || fail "pelvaro --help failed for $locale"
  usage=$(echo "$help" | head -n 1)
  case $locale in
    de*) want="Aufruf: pelvaro [--lang de|en] [-fullscreen] [-scale N]" ;;
    *) want="Usage: pelvaro [--lang de|en] [-fullscreen] [-scale N]" ;;
  esac
  [ "$usage" = "$want" ] || fail "pelvaro --help for $locale begins '$usage', expected '$want'"
  options=$(echo "$help" | grep -E '^  -' | awk '{ print $1 }' | tr '\n' ' ')
  [ "$options" = "--lang -fullscreen -scale --help --version " ] || fail "pelvaro --help lists the options '$options'"
  echo "$help" | grep -q "F5" || fail "pelvaro --help for $locale does not name the keys: $help"
done

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
# The launcher waits for the game, its child.
game_pid=$(pgrep -P "$GPID")
[ "$(readlink "/proc/$game_pid/exe")" = "$root/usr/lib/games/pelvaro/game_$GAME_LANG" ] ||
  fail "the launcher started $(readlink "/proc/$game_pid/exe") for $locale"
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
click_at 505 337  # Quit (451..560 x 326..349)
wait_for_exit
[ "$status" = 0 ] || fail "Quit (the game's own end) ended the installed game with status $status through the launcher"

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
