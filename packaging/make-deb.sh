#!/bin/bash
# `make deb`: the Debian package of an already built tree, with Debian's own
# tools: the files from `cmake --install` (programs stripped), the manual
# page and changelog compressed, the dependencies found by dpkg-shlibdeps,
# the control file written by dpkg-gencontrol, then dpkg-deb; lintian checks
# it when it is installed.
# Usage: make-deb.sh BUILD_DIR OUTPUT_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
out=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
umask 022
work=$(mktemp -d "${TMPDIR:-/tmp}/pelvaro-deb-XXXXXX")
trap 'rm -rf "$work"' EXIT
root=$work/pelvaro

DESTDIR=$root cmake --install "$build" --prefix /usr --strip >/dev/null
gzip -9n "$root/usr/share/man/man6/pelvaro.6"
gzip -9nc "$here/debian/changelog" >"$root/usr/share/doc/pelvaro/changelog.Debian.gz"
install -D -m 0644 "$here/debian/lintian-overrides" "$root/usr/share/lintian/overrides/pelvaro"
chmod -R u+rwX,go+rX,go-w "$root"

mkdir -p "$work/debian" "$root/DEBIAN"
cp "$here/debian/control" "$here/debian/changelog" "$work/debian/"
(
  cd "$work"
  dpkg-shlibdeps -Tdebian/substvars "$root"/usr/lib/games/pelvaro/game_*
  dpkg-gencontrol -ppelvaro -P"$root" -Tdebian/substvars
)
(cd "$root" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum >DEBIAN/md5sums)
chmod 0644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"

version=$(dpkg-parsechangelog -l "$here/debian/changelog" -S Version)
deb=$out/pelvaro_${version}_$(dpkg --print-architecture).deb
dpkg-deb --root-owner-group -Zxz --build "$root" "$deb" >/dev/null
echo "$deb: $(du -k "$deb" | cut -f1) KB"
grep '^Depends:' "$root/DEBIAN/control"
if command -v lintian >/dev/null; then
  lintian --info "$deb" && echo "lintian: no complaints"
else
  echo "lintian is not installed: the package was not checked (apt-get install lintian)"
fi
