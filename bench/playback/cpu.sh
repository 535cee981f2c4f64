#!/bin/bash
# The player's CPU under Wine while it plays one long WAV tune, as a share of one core over a
# window of SECONDS_WINDOW (30) seconds, from its threads' CPU times at the start and the end.
# Baselines in the same run: the same player idle over a window of the same length, and MCI
# alone playing the same kind of tune in a bare process (playback_bench mci-cpu). The window
# thread's share is where the player's own code runs; the rest is Wine's audio output.
#   bash bench/playback/cpu.sh        (needs build/win64: cmake --build --preset win64)
# The machine may be shared: other work delays both alike but does not add to these figures.
set -e
. "$(dirname "$0")/../wine-bench.sh" tests/e2e/driver/e2e_driver.exe playback_bench.exe
bench="$build/playback_bench.exe"
seconds=${SECONDS_WINDOW:-30}

player=$(wine "$driver" measure-cpu "$seconds" 2>/dev/null </dev/null | tr -d '\r')
mci=$(wine "$bench" mci-cpu "$seconds" 2>/dev/null </dev/null | tr -d '\r')
echo "$player"
echo "$mci"
field() { echo " $player $mci" | sed -n "s/.* $1=\([0-9.]*\).*/\1/p"; }
idle=$(field idle_cpu_pct); idle_ui=$(field idle_window_thread_pct)
playing=$(field playing_cpu_pct); playing_ui=$(field playing_window_thread_pct)
bare=$(field mci_playing_cpu_pct)
[ -n "$idle" ] && [ -n "$playing" ] && [ -n "$bare" ] || { echo "no figures" >&2; exit 1; }
awk -v i="$idle" -v iu="$idle_ui" -v p="$playing" -v pu="$playing_ui" -v b="$bare" -v s="$seconds" '
function ratio(a, c) { return c > 0 ? sprintf("%.2f", a / c) : "n/a (no measurable CPU)" }
BEGIN {
  printf "share of one core over %d s        whole process   window thread\n", s;
  printf "  player idle                          %7.3f %%       %7.3f %%\n", i, iu;
  printf "  player playing                       %7.3f %%       %7.3f %%\n", p, pu;
  printf "  MCI alone playing (bare process)     %7.3f %%\n", b;
  printf "playing / idle: %s   playing / MCI alone: %s   playing less MCI alone: %.3f %%\n", ratio(p, i), ratio(p, b), p - b;
  print (p < 1 ? "playing stays under 1 % of one core" : "NOTE: playing uses 1 % of one core or more") }'
