#!/bin/bash
# The schedule runner's cost while it waits: the player's CPU under Wine as a share of one
# core over SECONDS_WINDOW (300) seconds with the runner waiting for an event hours away,
# against the same player idle without the runner over a window of the same length, in the
# same process. While waiting, Timer_JK ticks every 30 s (120 an hour) and every second only
# in the minute before an event.
#   bash bench/schedule/run.sh        (needs build/win64: cmake --build --preset win64)
set -e
. "$(dirname "$0")/../wine-bench.sh" tests/e2e/driver/e2e_driver.exe
seconds=${SECONDS_WINDOW:-300}

out=$(wine "$driver" measure-runner "$seconds" 2>/dev/null </dev/null | tr -d '\r')
echo "$out"
field() { echo " $out" | sed -n "s/.* $1=\([0-9.]*\).*/\1/p"; }
idle=$(field idle_cpu_pct); idle_ui=$(field idle_window_thread_pct)
waiting=$(field waiting_cpu_pct); waiting_ui=$(field waiting_window_thread_pct)
[ -n "$idle" ] && [ -n "$waiting" ] || { echo "no figures" >&2; exit 1; }
awk -v i="$idle" -v iu="$idle_ui" -v w="$waiting" -v wu="$waiting_ui" -v s="$seconds" '
BEGIN {
  printf "share of one core over %d s        whole process   window thread\n", s;
  printf "  player idle, no runner               %7.3f %%       %7.3f %%\n", i, iu;
  printf "  player with the runner waiting       %7.3f %%       %7.3f %%\n", w, wu;
  printf "waiting less idle: %.3f %% of one core (window thread %.3f %%)\n", w - i, wu - iu }'
