#!/bin/sh
# Allegro 4.4 for the browser: Debian's own source of the library the desktop build links
# (`apt-get source allegro4.4`), built as a static library with emscripten into
# $1/allegro-build/liballeg.a (headers in $1/allegro-src/include and $1/allegro-build/include).
# Once built it is kept: the script does nothing when liballeg.a is there.
#   tools/web-allegro.sh build/web-src
set -eu
WORK=${1:?usage: tools/web-allegro.sh WORK_FOLDER}
mkdir -p "$WORK"
WORK=$(cd "$WORK" && pwd)
[ -f "$WORK/allegro-build/liballeg.a" ] && exit 0

# The source comes from the same mirror and suites as the machine's own packages: when no deb-src line exists
# yet, one is written beside them (a file of its own) from the machine's deb entries, never from a host named here.
have_deb_src() {
  grep -rqsE '^[[:space:]]*(deb-src[[:space:]]|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/
}
if [ ! -d "$WORK/allegro-src" ]; then
  if ! have_deb_src; then
    [ "$(id -u)" = 0 ] || { echo "No deb-src entry for apt-get source; run this once as root." >&2; exit 1; }
    out=/etc/apt/sources.list.d/pelvaro-web-src.sources
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
      # The deb822 entries of Debian's own file, each as a deb-src entry.
      sed -e 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources > "$out"
    else
      grep -hE '^[[:space:]]*deb[[:space:]]' /etc/apt/sources.list | sed -e 's/^\([[:space:]]*\)deb[[:space:]]/\1deb-src /' \
        > /etc/apt/sources.list.d/pelvaro-web-src.list
    fi
    apt-get update
  fi
  ./tools/install-packages dpkg-dev
  rm -rf "$WORK/fetch" && mkdir -p "$WORK/fetch"
  # Where the mirror has the upstream tarball but not Debian's packaging of it, the upstream sources are
  # unpacked as they are (checked against the .dsc's checksum): the web build needs none of Debian's patches.
  if ! (cd "$WORK/fetch" && apt-get source allegro4.4); then
    (cd "$WORK/fetch" && ls allegro4.4_*.dsc allegro4.4_*.orig.tar.* >/dev/null) || exit 1
    echo "Debian's packaging of allegro4.4 could not be had; unpacking the upstream sources it packages." >&2
    (cd "$WORK/fetch" && for t in allegro4.4_*.orig.tar.*; do
       sum=$(sha256sum "$t" | cut -d' ' -f1)
       grep -q "$sum .* $t\$" allegro4.4_*.dsc || { echo "$t does not match the .dsc" >&2; exit 1; }
       tar xf "$t"
     done)
  fi
  src=$(find "$WORK/fetch" -mindepth 1 -maxdepth 1 -type d -name 'allegro*' | head -n 1)
  [ -n "$src" ] || { echo "apt-get source allegro4.4 gave no source folder" >&2; exit 1; }
  mv "$src" "$WORK/allegro-src"
  rm -rf "$WORK/fetch"
fi

# Static, no modules, no X11, no sound cards, no addons, examples or tools: the C fallbacks are chosen by
# themselves. CMake stops on RT_LIBRARY when it cannot find librt, which the web has no need of.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S "$WORK/allegro-src" -B "$WORK/allegro-build" -DCMAKE_BUILD_TYPE=Release \
  -DSHARED=OFF -DWANT_MODULES=OFF -DWANT_X11=OFF -DWANT_ALSA=OFF -DWANT_OSS=OFF -DWANT_JACK=OFF \
  -DWANT_SGIAUDIO=OFF -DWANT_LINUX_CONSOLE=OFF -DWANT_LINUX_FBCON=OFF -DWANT_LINUX_VGA=OFF \
  -DWANT_LINUX_SVGALIB=OFF -DWANT_ALLEGROGL=OFF -DWANT_LOADPNG=OFF -DWANT_LOGG=OFF -DWANT_JPGALLEG=OFF \
  -DWANT_EXAMPLES=OFF -DWANT_TOOLS=OFF -DWANT_TESTS=OFF -DWANT_DOCS=OFF -DRT_LIBRARY=c
cmake --build "$WORK/allegro-build" -j"${JOBS:-2}" --target allegro
lib=$(find "$WORK/allegro-build" -name 'liballeg*.a' | head -n 1)
[ -n "$lib" ] || { echo "the Allegro build gave no static library" >&2; exit 1; }
[ "$lib" = "$WORK/allegro-build/liballeg.a" ] || cp "$lib" "$WORK/allegro-build/liballeg.a"
