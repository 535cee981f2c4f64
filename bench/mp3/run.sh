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

now() { date +%s.%N; }
t0=$(now); "$BIN/mp3enc" -b 128 "$WORK/tune.wav" "$WORK/ours.wav"; t1=$(now)
lame --quiet -b 128 "$WORK/tune.wav" "$WORK/lame.mp3"; t2=$(now)
awk -v a="$t0" -v b="$t1" -v c="$t2" -v s=$SECONDS_LONG 'BEGIN {
  ours = b - a; lame = c - b;
  printf "speed (3 min, 44.1 kHz stereo, 128 kbit/s)\n";
  printf "  ours: %6.2f s  %6.1f x real time\n", ours, s / ours;
  printf "  lame: %6.2f s  %6.1f x real time\n", lame, s / lame;
  printf "  lame time / our time: %.2f\n", lame / ours }'

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
