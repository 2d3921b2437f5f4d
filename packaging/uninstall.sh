#!/bin/sh
# `make uninstall`: removes what `make install` put under the given root (DESTDIR and PREFIX together): the
# files of BUILD_DIR/installed_files.txt, which packaging/install.cmake writes at every install from CMake's own
# list of what it installed (relative to the prefix), then the game's own folders (a folder named pelvaro and
# those in it) once they are empty. The players' own folders (~/.local/share/pelvaro) are theirs and stay.
# Usage: uninstall.sh BUILD_DIR ROOT
set -eu
list=$1/installed_files.txt
root=$2
if [ ! -r "$list" ]; then
  echo "uninstall: $list is missing: nothing was installed from this build" >&2
  exit 1
fi
while IFS= read -r file; do
  [ -z "$file" ] || rm -f "$root/$file"
done <"$list"
# Every folder above a listed file that is or lies in a folder named pelvaro, the deepest first.
sed -n 's|/[^/]*$||p' "$list" |
  awk -F/ '{ p = $1; print p; for (i = 2; i <= NF; ++i) { p = p "/" $i; print p } }' |
  grep -E '(^|/)pelvaro(/|$)' | sort -ru |
  while IFS= read -r dir; do
    rmdir "$root/$dir" 2>/dev/null || true
  done
echo "Pelvaro is uninstalled from $root"
