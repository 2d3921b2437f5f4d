#!/bin/bash
# The real program without a display (DISPLAY unset, as over ssh, or naming
# no server): the two console lines, the reason, exit status 3, never a
# crash, and no file changed but bugs.txt. The command line is answered
# before the display is looked for: --help and --version on standard output
# with status 0, an unknown option named on standard error with status 2,
# and not even bugs.txt written. Arguments: game binary, data folder,
# (screenshot folder), language.
set -u
GAME=$1
DATA=$2
WORK=$(mktemp -d "${TMPDIR:-/tmp}/pelvaro-process-XXXXXX")
trap 'rm -rf "$WORK"' EXIT
fail() {
  echo "FAIL (no_display): $*" >&2
  exit 1
}
. "$(dirname "$0")/../window/data_links.inc"
link_data_files "$DATA" "$WORK"
printf '1 2 3 1 \r\nmy game' >"$WORK/options.sav"
snapshot() { (cd "$WORK" && find . -mindepth 1 \( -path ./bugs.txt -o -path ./pelvaro.lock \) -prune -o -printf '%p %y %s %i %T@ %l\n' | sort); }
before=$(snapshot)
# A display number that no server has.
free=99
while [ -e "/tmp/.X11-unix/X$free" ] || [ -e "/tmp/.X$free-lock" ]; do free=$((free + 1)); done
for display in unset ":$free"; do
  if [ "$display" = unset ]; then
    (cd "$WORK" && exec env -u DISPLAY timeout 60 "$GAME" >"$WORK/out" 2>"$WORK/err")
  else
    (cd "$WORK" && DISPLAY=$display exec timeout 60 "$GAME" >"$WORK/out" 2>"$WORK/err")
  fi
  status=$?
  [ "$status" = 3 ] || fail "DISPLAY $display: exit status $status, expected 3; $(cat "$WORK/err")"
  expected=$'Critical Error: Unable to select correct Video Mode.\nExiting Allegro ... '
  [ "$(cat "$WORK/out")" = "$expected" ] || fail "DISPLAY $display: console says: $(cat "$WORK/out")"
  grep -q '^Pelvaro: .*display' "$WORK/err" || fail "DISPLAY $display: no reason given: $(cat "$WORK/err")"
  rm -f "$WORK/out" "$WORK/err"
  [ "$(snapshot)" = "$before" ] || fail "DISPLAY $display: files changed: $(diff <(echo "$before") <(snapshot))"
done
rm -f "$WORK/bugs.txt"
before=$(snapshot)
# The version the package has: the newest entry of its changelog, "pelvaro (1.0-1) ...".
version=$(sed -n '1s/^pelvaro (\([0-9.]*\)-.*/\1/p' "$(dirname "$0")/../../packaging/debian/changelog")
[ -n "$version" ] || fail "no version at the head of packaging/debian/changelog"
for args in "--help:0:-fullscreen" "--version:0:Pelvaro $version" "-Fullscreen:2:\"-Fullscreen\"" "-scale 2 oops:2:\"oops\""; do
  IFS=: read -r line want says <<<"$args"
  # shellcheck disable=SC2086
  (cd "$WORK" && exec env -u DISPLAY timeout 60 "$GAME" $line >"$WORK/out" 2>"$WORK/err")
  status=$?
  [ "$status" = "$want" ] || fail "$line: exit status $status, expected $want; $(cat "$WORK/err")"
  if [ "$want" = 0 ]; then where=out; else where=err; fi
  grep -qF -- "$says" "$WORK/$where" || fail "$line: no $says in $(cat "$WORK/$where")"
  rm -f "$WORK/out" "$WORK/err"
  [ "$(snapshot)" = "$before" ] && [ ! -e "$WORK/bugs.txt" ] || fail "$line: files changed"
done
echo ok
