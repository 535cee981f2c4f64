#!/bin/bash
# Makes SONGS.LZH of two short tunes with jlha (one entry -lh5-, one stored -lh0-) and
# extracts it with lhasa into lhasa/: an archive and its extraction that owe nothing to the
# project's own LHA code, for the end-to-end test of the extract command to compare against.
#   bash lzh_reference.sh FOLDER
set -e
out=${1:?folder}
for tool in jlha lhasa sox; do
  command -v "$tool" >/dev/null || { echo "$tool missing: run scripts/setup.sh" >&2; exit 1; }
done
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
