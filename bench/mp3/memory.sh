#!/bin/bash
# Peak memory of mp3enc against the length of the WAV it converts: pink noise of
# 1, 10 and 60 minutes (44.1 kHz stereo, 16 bit) at the default 128 kbit/s joint
# stereo. The encoder streams, so the longer runs should stay at the 1-minute
# figure; the ratios say so independently of the machine. Needs build/host and
# about 700 MB of free space in the temporary folder.
set -e
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BIN=$ROOT/build/host
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
MINUTES=${MINUTES:-"1 10 60"}

printf "%8s  %12s  %10s  %8s  %12s\n" minutes "max RSS KB" ratio "CPU s" "x real time"
base=
for m in $MINUTES; do
  "$BIN/mp3_bench_tool" pink "$WORK/pink.wav" $((m * 60))
  /usr/bin/time -f "%M %U %S" -o "$WORK/time" "$BIN/mp3enc" "$WORK/pink.wav" "$WORK/out.wav"
  read -r rss user sys < "$WORK/time"
  base=${base:-$rss}
  awk -v m=$m -v r=$rss -v b=$base -v u=$user -v s=$sys 'BEGIN {
    printf "%8d  %12d  %10.2f  %8.1f  %12.1f\n", m, r, r / b, u + s, m * 60 / (u + s) }'
  rm -f "$WORK/pink.wav" "$WORK/out.wav"
done
