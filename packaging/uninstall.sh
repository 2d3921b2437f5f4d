#!/bin/sh
# `make uninstall`: removes what `make install` put under the given root
# (DESTDIR and PREFIX together), and the game's folders once empty. The
# players' own folders (~/.local/share/pelvaro) are theirs and stay.
# Usage: uninstall.sh ROOT
set -eu
root=$1
rm -f "$root/games/pelvaro" "$root/share/applications/pelvaro.desktop" "$root/share/man/man6/pelvaro.6"
rm -f "$root"/share/icons/hicolor/*/apps/pelvaro.png
rm -rf "$root/lib/games/pelvaro" "$root/share/games/pelvaro" "$root/share/doc/pelvaro"
echo "Pelvaro is uninstalled from $root"
