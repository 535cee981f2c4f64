#!/bin/bash
# Archives checked against LHA tools that owe nothing to the project's own LHA code, on the host
# side of the end-to-end tests (the test under Wine cannot run them):
#   bash lzh_reference.sh FOLDER          before the tests: SONGS.LZH of two short tunes made by
#                                         jlha (one entry -lh5-, one stored -lh0-), and lhasa's
#                                         extraction of it in FOLDER/lhasa, to compare with
#   bash lzh_reference.sh --check FOLDER  after them: the archive the player compressed into
#                                         FOLDER/made passes lhasa's and jlha's tests and extracts
#                                         to its tunes in FOLDER/made/tunes (skipped, 77, when none)
set -e
check=0
[ "$1" = --check ] && { check=1; shift; }
out=${1:?folder}
for tool in jlha lhasa sox; do
  command -v "$tool" >/dev/null || { echo "$tool missing: run scripts/setup.sh" >&2; exit 1; }
done
if [ $check = 1 ]; then
  made="$out/made"
  [ -f "$made/SONGS.lzh" ] || { echo "no archive was compressed in this run"; exit 77; }
  lhasa t "$made/SONGS.lzh" >/dev/null || { echo "lhasa refuses the player's archive" >&2; exit 1; }
  (cd "$made" && jlha t SONGS.lzh >/dev/null) || { echo "jlha refuses the player's archive" >&2; exit 1; }
  for x in lhasa jlha; do
    mkdir -p "$made/$x" && (cd "$made/$x" && $x x ../SONGS.lzh >/dev/null)
    diff -r "$made/tunes" "$made/$x" || { echo "$x extracts other bytes" >&2; exit 1; }
  done
  exit 0
fi
rm -rf "$out"
mkdir -p "$out/src" "$out/lhasa"
cd "$out/src"
sox -n -r 22050 -b 16 -c 1 x.wav synth 0.4 sine 440
# Noise does not pack: jlha stores it as it is.
{ head -c 44 x.wav; head -c 17640 /dev/urandom; } > y.wav
jlha a2o5 ../SONGS.LZH x.wav y.wav >/dev/null
cd "$out/lhasa"
lhasa x ../SONGS.LZH >/dev/null
lhasa v ../SONGS.LZH | grep -q -- '-lh0-' || { echo "jlha packed the noise: no stored entry" >&2; exit 1; }
[ "$(ls | wc -l)" = 2 ]
rm -rf "$out/src"
