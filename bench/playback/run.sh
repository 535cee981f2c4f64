#!/bin/bash
# The gap between two tunes under Wine: a folder of 21 short WAV tunes plays in a row and the
# driver times each new "(再生中)" title; a gap is that interval less the tune's own length.
# Prints every gap and their median; then playback_bench breaks a gap down into its steps
# (the player's own playback in-process, timed per MCI command, timer tick and completion
# message) and sets it against one tune's commands sent straight to MCI in the same session.
#   bash bench/playback/run.sh        (needs build/win64: cmake --build --preset win64)
set -e
. "$(dirname "$0")/../wine-bench.sh" tests/e2e/driver/e2e_driver.exe playback_bench.exe
bench="$build/playback_bench.exe"
tunes=${TUNES:-21}
tune_ms=${TUNE_MS:-500}

gaps=$(wine "$driver" measure-gaps "$tunes" "$tune_ms" 2>/dev/null </dev/null | tr -d '\r' | sed -n 's/gap_ms=//p')
n=$(echo "$gaps" | grep -c . || true)
median=$(echo "$gaps" | sort -n | awk '{a[NR]=$1} END {if (NR) print a[int((NR+1)/2)]; else print "n/a"}')
echo "transitions: $n (tunes of $tune_ms ms)"
echo "gaps (ms): $(echo $gaps)"
echo "median gap: $median ms"

echo
echo "--- breakdown"
outside=(); [ "$median" = n/a ] || outside=("$median")
wine "$bench" gaps "${BREAKDOWN_TUNES:-11}" "$tune_ms" "${outside[@]}" 2>/dev/null </dev/null | tr -d '\r'
