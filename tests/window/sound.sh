#!/bin/bash
# What a player hears, captured from the real program: ALSA's default device
# is a file (every mixed sample, 16-bit stereo) in a HOME of the test's own.
# A fresh start plays the logo's jingle, then the title music at the menu;
# with the music volume 0 in options.sav all is silent after the jingle but
# for the click of New game until the bag opens in the first room, which is
# heard, and heard closing. At the
# default volumes (music 180, effects 220) the effects stand level with the
# music: the loudest sample of the bag opening, and of its closing, within
# 6 dB of the music's loudest.
. "$(dirname "$0")/common.inc"
export HOME="$WORK/home"
mkdir -p "$HOME"
CAPTURE="$WORK/heard.raw"
cat >"$HOME/.asoundrc" <<EOF
pcm.!default { type plug; slave { pcm "capture"; format S16_LE; rate 44100; channels 2 } }
pcm.capture { type file; slave.pcm "null"; file "$CAPTURE"; format "raw" }
EOF
start_x

# The loudness (root mean square) of each quarter second of the capture from
# byte $1 on, one number a window.
loudness() {
  tail -c +$((${1:-0} + 1)) "$CAPTURE" | od -An -v -td2 -w2 |
    awk '{ s += $1 * $1; if (++n == 22050) { printf "%d\n", sqrt(s / n); s = n = 0 } }'
}
# The loudness and the loudest sample (absolute) of each quarter second of the
# capture's first $1 bytes, one window a line.
loudness_and_peak() {
  head -c "$1" "$CAPTURE" | od -An -v -td2 -w2 |
    awk '{ s += $1 * $1; v = $1 < 0 ? -$1 : $1; if (v > m) m = v
           if (++n == 22050) { printf "%d %d\n", sqrt(s / n), m; s = n = m = 0 } }'
}
# The loudest sample (absolute) of the capture from byte $1 on, before byte $2
# when it is given.
peak() {
  tail -c +$(($1 + 1)) "$CAPTURE" | head -c "${2:-999999999}" | od -An -v -td2 -w2 |
    awk '{ v = $1 < 0 ? -$1 : $1; if (v > m) m = v } END { print m + 0 }'
}
# Whether two peaks lie within 6 dB of each other (a factor of 2 in amplitude).
level_with() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > 0 && b > 0 && a <= 2 * b && b <= 2 * a) }'; }
decibels() { awk -v a="$1" 'BEGIN { printf "%.1f dBFS", (a > 0 ? 20 * log(a / 32768) / log(10) : -99) }'; }
captured() { stat -c %s "$CAPTURE" 2>/dev/null || echo 0; }
grown_past() { [ "$(captured)" -gt "$1" ]; }
# The jingle: the first sound, loud for a second or more.
jingle_first() {
  loudness | awk '$1 > 1000 { loud++ } $1 < 30 && loud { exit } END { exit !(loud >= 4) }'
}
stop_game() {
  kill "$GPID"
  wait_for_exit
}
# Music measured from the recordings: about 2000 to 3000 a window.
FLOOR=400

# A fresh start: the jingle, then the title music under the menu.
start_game
wait_for_menu
grep -q "DIGMID music from $DATA/patches.dat\|DIGMID music from $WORK/patches.dat" "$WORK/bugs.txt" ||
  fail "bugs.txt does not name the music driver: $(cat "$WORK/bugs.txt")"
size=$(captured)
wait_for 60 "the capture does not grow" grown_past $((size + 2000000))
stop_game
jingle_first || fail "no jingle at the start: $(loudness | head -n 40 | tr '\n' ' ')"
loud=$(loudness "$size" | awk -v f=$FLOOR '$1 > f { n++ } END { print n + 0 }')
[ "$loud" -ge 16 ] || fail "no title music at the menu: $(loudness "$size" | tr '\n' ' ')"
music=$(peak "$size")

# Music volume 0, the effects at their default: silence after the jingle, at
# the menu and into the game, until the bag opens.
rm -f "$CAPTURE"
printf '0 220 50 1 \r\n' >"$WORK/options.sav"
start_game
wait_for_menu
new_game_to_main_loop
before=$(captured)
# Once the jingle has died away (its first window of nothing but zero samples),
# every sample up to the main loop is zero but for the click of New game (a
# tenth of a second: one window, or two it falls across): the music plays at
# volume 0 into exact silence.
heard=$(loudness_and_peak "$before" |
  awk '$1 > 1000 { loud = 1 } loud && $2 == 0 { silent = 1 }
       silent && $2 > 0 { if (!click) click = NR; else if (NR > click + 1) { print NR; exit } }
       END { if (!silent) print "none: the jingle never fell silent" }')
jingle_first && [ -z "$heard" ] ||
  fail "music volume 0 is heard from window $heard: $(loudness_and_peak "$before" | tr '\n' ' ')"
click_at 70 400
wait_for 60 "the capture does not grow" grown_past $((before + 2000000))
loudness "$before" | awk '$1 > 300 { heard = 1 } END { exit !heard }' || fail "the bag was not heard opening"
opening=$(peak "$before")
# A right click closes the bag.
before=$(captured)
move 300 150
xdotool sleep 0.1 mousedown 3 sleep 0.15 mouseup 3
wait_for 60 "the capture does not grow" grown_past $((before + 2000000))
stop_game
loudness "$before" | awk '$1 > 300 { heard = 1 } END { exit !heard }' || fail "the bag was not heard closing"
closing=$(peak "$before")
echo "peaks: music $(decibels "$music"), the bag opening $(decibels "$opening"), closing $(decibels "$closing")"
level_with "$music" "$opening" && level_with "$music" "$closing" ||
  fail "the effects do not stand within 6 dB of the music: music $(decibels "$music"), the bag opening $(decibels "$opening"), closing $(decibels "$closing")"
echo "ok"
