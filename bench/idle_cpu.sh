#!/bin/bash
# Processor use of the real game idle in its main loop under Xvfb (1920 x 1080), the mouse still: ten seconds
# of user + system time from /proc, one line per scale. Usage: bench/idle_cpu.sh build/game_en build/data [scale ...]
HERE=$(cd "$(dirname "$0")" && pwd)
GAME=$(realpath "$1") DATA=$(realpath "$2")
shift 2
SHOTS=$(mktemp -d)  # its screenshots are not wanted
. "$HERE/../tests/window/common.inc" "$GAME" "$DATA" "$SHOTS" en
trap 'cleanup; rm -rf "$SHOTS"' EXIT
start_x 1920x1080
ticks() { awk '{print $14 + $15}' "/proc/$GPID/stat"; }
for s in ${*:-1 2}; do
  SCALE=1; start_game -scale "$s"; SCALE=$s
  wait_for_menu
  click_at 150 175; sleep 1.5; click_at 320 240
  sleep 8  # the hero's first line, then the main loop
  move 600 20; sleep 1
  a=$(ticks); sleep 10; b=$(ticks)
  echo "scale $s: $(awk -v t=$((b - a)) -v hz="$(getconf CLK_TCK)" 'BEGIN { printf "%.1f", t * 100 / hz / 10 }') % of one core over 10 s in the main loop"
  kill -9 "$GPID"; wait "$GPID" 2>/dev/null
  GPID=""; sleep 0.5
done
