#!/bin/bash
# Conversion inside the player against mp3enc.exe alone, on the same WAV in the same Wine run:
# wall seconds of each, real-time factors, and what the player adds (from the menu command to
# the final file; the encoder alone from its start to its exit, Wine's process start included).
# CPU seconds too (the player's process over the same span): on a shared machine the wall
# time of either run is stretched by whatever else runs then, the CPU time much less.
# Needs build/win64 and build/host (for the signal tool).
#   bash bench/mp3/player.sh            (SECONDS_LONG=180 by default)
set -e
. "$(dirname "$0")/../wine-bench.sh" zelcor32.exe mp3enc.exe tests/e2e/driver/e2e_driver.exe
seconds=${SECONDS_LONG:-180}
work=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
player="$work/player"
mkdir -p "$player"
cp "$build/zelcor32.exe" "$player/"
export ZELCOR_DEMO_DIR="$player/tunes"
. "$repo/scripts/player-env.sh" "$player"
rm -f "$ZELCOR_DEMO_DIR"/*.wav
"$repo/build/host/mp3_bench_tool" tune "$ZELCOR_DEMO_DIR/tune.wav" "$seconds"
wine reg add 'HKCU\Software\ZUMIK SOFT32\ZELCOR32' /v No_Memo /d 1 /f >/dev/null 2>&1
now() { date +%s%3N; }
# CPU seconds (user + system) a process has used so far.
cpu_of() { awk -v hz="$(getconf CLK_TCK)" '{ printf "%.2f\n", ($14 + $15) / hz }' "/proc/$1/stat"; }

t0=$(now)
TIMEFORMAT='%U %S'
alone_cpu=$( { time wine "$build/mp3enc.exe" "$(winepath -w "$ZELCOR_DEMO_DIR/tune.wav")" \
  "$(winepath -w "$work/alone.wav")" >/dev/null 2>&1; } 2>&1 | awk '{ print $1 + $2 }')
alone=$(( $(now) - t0 ))

wine "$player/zelcor32.exe" >/dev/null 2>&1 &
pid=$!  # wine execs the program in the same process
wine "$driver" wait-window TZELCOR32ZUMIK 30000 >/dev/null 2>&1
sleep 2
wine "$driver" select-all 1104 >/dev/null 2>&1  # ListBox4, the file list
c0=$(cpu_of $pid)
t0=$(now)
wine "$driver" menu 2200 >/dev/null 2>&1        # P_MP3_HENKAN
while [ ! -f "$player/mp3/tune.wav" ]; do sleep 0.02; done
inside=$(( $(now) - t0 ))
inside_cpu=$(awk -v a="$c0" -v b="$(cpu_of $pid)" 'BEGIN { print b - a }')
wine "$driver" close >/dev/null 2>&1 || true

awk -v a="$alone" -v p="$inside" -v ac="$alone_cpu" -v pc="$inside_cpu" -v s="$seconds" 'BEGIN {
  printf "conversion of %d s of 44.1 kHz stereo at 128 kbit/s under Wine (wall seconds, CPU seconds)\n", s;
  printf "  mp3enc.exe alone: %6.2f s  %6.1f x real time   CPU %6.2f s\n", a / 1000, s * 1000 / a, ac;
  printf "  in the player:    %6.2f s  %6.1f x real time   CPU %6.2f s\n", p / 1000, s * 1000 / p, pc;
  printf "  the player adds:  %+.1f %% wall, %+.1f %% CPU\n", (p - a) * 100 / a, (pc - ac) * 100 / ac }'
