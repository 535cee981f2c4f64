#!/bin/bash
# Encoder benchmark, side by side with lame in the same run:
#  - speed on a 3-minute 44.1 kHz stereo tune at 128 kbit/s (multiple of real time,
#    and lame's time divided by ours: above 1 means faster than lame);
#  - quality per bit rate (SNR after decoding with mpg123) on a 30-second excerpt.
# Needs build/host (make build-host), lame and mpg123.
set -e
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BIN=$ROOT/build/host
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
SECONDS_LONG=180
SECONDS_SHORT=30

"$BIN/mp3_bench_tool" tune "$WORK/tune.wav" $SECONDS_LONG
"$BIN/mp3_bench_tool" tune "$WORK/short.wav" $SECONDS_SHORT

# CPU time (user + system) is the figure compared; the machine may be shared,
# which stretches wall-clock time for both alike.
TIMEFORMAT='%U %S %R'
cpu() { { time "$@" >/dev/null 2>&1; } 2>&1 | awk '{ printf "%.3f %.3f\n", $1 + $2, $3 }'; }
read -r ours ours_wall < <(cpu "$BIN/mp3enc" -b 128 "$WORK/tune.wav" "$WORK/ours.wav")
read -r lame lame_wall < <(cpu lame --quiet -b 128 "$WORK/tune.wav" "$WORK/lame.mp3")
awk -v o="$ours" -v ow="$ours_wall" -v l="$lame" -v lw="$lame_wall" -v s=$SECONDS_LONG 'BEGIN {
  printf "speed (3 min, 44.1 kHz stereo, 128 kbit/s; CPU seconds, wall seconds in brackets)\n";
  printf "  ours: %6.2f s (%5.2f)  %6.1f x real time\n", o, ow, s / o;
  printf "  lame: %6.2f s (%5.2f)  %6.1f x real time\n", l, lw, s / l;
  printf "  lame time / our time: %.2f\n", l / o }'

echo "quality (SNR in dB, ${SECONDS_SHORT} s tune, 44.1 kHz joint stereo)"
printf "  %5s  %7s  %7s\n" kbps ours lame
for kbps in 32 48 64 96 128 160 192 256 320; do
  "$BIN/mp3enc" -b $kbps "$WORK/short.wav" "$WORK/q.wav"
  lame --quiet -b $kbps -m j --resample 44.1 "$WORK/short.wav" "$WORK/q.mp3"
  mpg123 -q -s "$WORK/q.wav" > "$WORK/q_ours.raw"
  mpg123 -q -s "$WORK/q.mp3" > "$WORK/q_lame.raw"
  ours=$("$BIN/mp3_bench_tool" snr "$WORK/short.wav" "$WORK/q_ours.raw" 1057)
  theirs=$("$BIN/mp3_bench_tool" snr "$WORK/short.wav" "$WORK/q_lame.raw" auto)
  printf "  %5s  %7s  %7s\n" $kbps "$ours" "$theirs"
done
