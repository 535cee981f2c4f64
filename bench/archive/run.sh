#!/bin/bash
# What playing from an archive adds between two tunes, under Wine: one memory holds two short
# WAV tunes as files and an archive of the same two, ROUNDS times over, and the driver times
# each new "(再生中)" title (a gap is that interval less the tune's length). The gap inside the
# archive is set against the gap between the same tunes as files in the same run; what it adds
# is set against the library's bare extraction of the entry (the same command line, timed in
# the driver alone, and again with the load and release the player does around it).
#   bash bench/archive/run.sh        (needs build/win64: cmake --build --preset win64)
set -e
. "$(dirname "$0")/../wine-bench.sh" tests/e2e/driver/e2e_driver.exe zelcor32.exe UnLha32.dll
rounds=${ROUNDS:-12}
tune_ms=${TUNE_MS:-500}

out=$(wine "$driver" measure-archive-gaps "$rounds" "$tune_ms" 2>/dev/null </dev/null | tr -d '\r') || {
  echo "the run did not play every tune:"; echo "$out"; exit 1; }
median() { sed -n "s/^$1=//p" <<<"$out" | sort -g | awk '{a[NR]=$1} END {if (NR) print a[int((NR+1)/2)]; else print "nan"}'; }
values() { sed -n "s/^$1=//p" <<<"$out" | awk '{printf "%s%.0f", (NR > 1 ? " " : ""), $1}'; }

plain=$(median plain_gap_ms) inside=$(median archive_gap_ms) enter=$(median enter_gap_ms) leave=$(median leave_gap_ms)
bare=$(median bare_extract_ms) loaded=$(median loaded_extract_ms)
echo "tunes of $tune_ms ms, $rounds rounds of: a.wav, b.wav as files, then an archive of the same two"
echo "gaps, file to file (ms):            $(values plain_gap_ms)"
echo "gaps, inside the archive (ms):      $(values archive_gap_ms)"
echo "gaps, file into the archive (ms):   $(values enter_gap_ms)"
echo "gaps, archive to file (ms):         $(values leave_gap_ms)"
awk -v p="$plain" -v i="$inside" -v e="$enter" -v l="$leave" -v b="$bare" -v lb="$loaded" 'BEGIN {
  printf "\nmedians (ms): file to file %.1f, inside the archive %.1f, into the archive %.1f, archive to file %.1f\n", p, i, e, l;
  printf "library alone, extracting the entry: %.2f ms; with its load and release: %.2f ms\n", b, lb;
  printf "inside the archive / file to file:     %.2f x\n", i / p;
  printf "added inside the archive:              %+.1f ms = %.1f x the bare extraction, %.1f x with load and release\n",
         i - p, (i - p) / b, (i - p) / lb;
  printf "added entering the archive (listing):  %+.1f ms\n", e - p }'
