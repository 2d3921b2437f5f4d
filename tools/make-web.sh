#!/bin/sh
# `make web`: the game for the browser in BUILD/web (index.html, game_en and game_de, the data package
# pelvaro.data), from the native build's data in BUILD/data (the art is drawn natively, so it is built first by
# the Makefile). Allegro for the web is made once by tools/web-allegro.sh into BUILD/web-src; the programs are
# compiled with emscripten in BUILD/web-build.
#   tools/make-web.sh build [jobs]
set -eu
BUILD=${1:-build}
JOBS=${2:-2}
./tools/install-packages emscripten
# Debian's emscripten finds its JavaScript helpers (acorn) only through Debian's node modules.
export NODE_PATH=/usr/share/nodejs
JOBS=$JOBS ./tools/web-allegro.sh "$BUILD/web-src"
OUT=$(mkdir -p "$BUILD/web" && cd "$BUILD/web" && pwd)
emcmake cmake -S . -B "$BUILD/web-build" -DCMAKE_BUILD_TYPE=Release \
  -DPELVARO_WEB_ALLEGRO="$(cd "$BUILD/web-src" && pwd)" -DPELVARO_WEB_OUT="$OUT" >/dev/null
cmake --build "$BUILD/web-build" -j"$JOBS" --target game_en game_de

# The data package: the files checksums.txt names and checksums.txt itself, nothing the native runs wrote
# beside them (a player's sav/ in the data folder).
stage="$BUILD/web-build/data"
rm -rf "$stage" && mkdir -p "$stage"
(cd "$BUILD/data" && { echo checksums.txt; awk '{print $3}' checksums.txt; } | while read -r f; do
   mkdir -p "$OLDPWD/$stage/$(dirname "$f")" && cp "$f" "$OLDPWD/$stage/$f"; done)
rm -f "$OUT/pelvaro.data" "$OUT/pelvaro.data.js"
python3 /usr/share/emscripten/tools/file_packager.py "$OUT/pelvaro.data" \
  --preload "$stage@/usr/share/games/pelvaro" --js-output="$OUT/pelvaro.data.js" 2>&1 >/dev/null |
  grep -v 'FORCE_FILESYSTEM' >&2 || true  # (its reminder: the programs are linked with it)
[ -s "$OUT/pelvaro.data.js" ] || { echo "the data package was not made" >&2; exit 1; }
cp src/platform/web/index.html "$OUT/index.html"
echo "The game for the browser is in $OUT: serve that folder (python3 -m http.server) and open index.html."
