#!/bin/bash
# Processor use of the real game waiting in its main loop under Xvfb (1920 x 1080, or a screen that holds the
# window of a larger factor), the mouse still, one line per scale (1, 2, 3 and fill unless others are given),
# after two lines for the library's own floor: an empty
# 640 x 480 Allegro window that only waits (bench/idle_reference.cpp: rest(1) between polls, and a 60 Hz
# timer), measured the same way. Each figure is the user + system time of the process itself from /proc (other
# work on the machine does not count), over SAMPLES spells of 5 s (5 unless set): the median and the range.
# Usage: bench/idle_cpu.sh build/game_en build/data [scale ...]   (idle_reference is looked for in build/bench/)
for tool in Xvfb xdotool xwd convert; do
  command -v "$tool" >/dev/null || { echo "idle_cpu.sh: skipped ($tool is not installed)"; exit 0; }
done
HERE=$(cd "$(dirname "$0")" && pwd)
GAME=$(realpath "$1") DATA=$(realpath "$2")
shift 2
REFERENCE=${REFERENCE:-$(dirname "$GAME")/bench/idle_reference}
SAMPLES=${SAMPLES:-5}
SHOTS=$(mktemp -d)  # its screenshots are not wanted
. "$HERE/../tests/window/common.inc" "$GAME" "$DATA" "$SHOTS" en
trap 'cleanup; rm -rf "$SHOTS"' EXIT
SCREEN=""
# An X server whose screen is this size, started again when the size changes.
screen() {
  [ "$SCREEN" = "$1" ] && return
  [ -n "$XPID" ] && kill "$XPID" && wait "$XPID" 2>/dev/null
  start_x "$1"
  SCREEN=$1
}
screen 1920x1080

ticks() { awk '{print $14 + $15}' "/proc/$GPID/stat"; }
# "median 3.2 % (2.8 .. 3.6) of one core" over SAMPLES spells of 5 s.
cpu_use() {
  local a b spells=()
  for _ in $(seq "$SAMPLES"); do
    a=$(ticks)
    sleep 5  # the spell measured, not a wait for the screen
    b=$(ticks)
    spells+=($((b - a)))
  done
  printf '%s\n' "${spells[@]}" | sort -n | awk -v hz="$(getconf CLK_TCK)" '
    { v[NR] = $1 * 100 / hz / 5 }
    END { printf "median %4.1f %% (%.1f .. %.1f) of one core", v[int((NR + 1) / 2)], v[1], v[NR] }'
}
stop_game() {
  kill -9 "$GPID"
  wait "$GPID" 2>/dev/null
  GPID=""
}

if [ -x "$REFERENCE" ]; then
  for how in rest timer; do
    GAME=$REFERENCE start_game "$how"
    echo "reference, an empty Allegro window ($how): $(cpu_use)"
    stop_game
  done
else
  echo "reference: $REFERENCE is not built (cmake --build build --target idle_reference)"
fi
for s in ${*:-1 2 3 fill}; do
  case $s in
    1 | 2 | fill) screen 1920x1080 ;;
    3) screen 2560x1600 ;;
    *) screen 3840x2160 ;;
  esac
  SCALE=1 SHOWN_W=""
  start_game -scale "$s"
  # Every place the helpers click or look at is given in the game's picture, which fills the window.
  geometry=$(xdotool getwindowgeometry "$WID" | sed -n 's/.*Geometry: *//p')
  SHOWN_W=${geometry%x*}
  wait_for_menu
  new_game_to_main_loop
  echo "scale $s (window $geometry), in the main loop: $(cpu_use)"
  stop_game
done
