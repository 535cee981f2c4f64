#!/bin/bash
# Start-up time of zelcor32.exe to a usable main window under Wine, and its working set then.
# Cold: the first start after `wineserver -k` (Wine's own services start again as well);
# warm: the starts that follow. Median of 5 of each. Needs build/win64 (cmake --build --preset win64).
#   bash bench/startup/run.sh
set -e
. "$(dirname "$0")/../wine-bench.sh" tests/e2e/driver/e2e_driver.exe
runs=${RUNS:-5}

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# One measured start; prints "startup_ms=N working_set_kb=N exit=N" and the wall time of the
# whole driver run (which includes Wine starting the driver itself).
measure() {
  local t0 t1 line
  t0=$(date +%s%N)
  line=$(wine "$driver" measure-start 2>/dev/null </dev/null | tr -d '\r')
  t1=$(date +%s%N)
  echo "$line wall_ms=$(( (t1 - t0) / 1000000 ))"
}

field() { sed -n "s/.*$1=\([0-9]*\).*/\1/p"; }
median() { sort -n | awk '{a[NR]=$1} END {if (NR) print a[int((NR+1)/2)]; else print "n/a"}'; }

for i in $(seq "$runs"); do
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  wineserver -p60 >/dev/null 2>&1
  measure >> "$out/cold"
done
for i in $(seq "$runs"); do measure >> "$out/warm"; done

echo "runs: $runs cold, $runs warm"
for kind in cold warm; do
  echo "--- $kind"
  cat "$out/$kind"
  printf '%s: median start-up to usable main window %s ms, median driver wall time %s ms, median working set %s KB\n' \
    "$kind" "$(field startup_ms < "$out/$kind" | median)" "$(field wall_ms < "$out/$kind" | median)" \
    "$(field working_set_kb < "$out/$kind" | median)"
done
if grep -qv 'exit=0' "$out/cold" "$out/warm"; then echo "some run did not close cleanly" >&2; exit 1; fi
