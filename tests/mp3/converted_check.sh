#!/bin/bash
# Checks files the player converted against their sources, on the Linux side of a Wine run:
# each output decodes with mpg123 without complaint, and its SNR is within 3 dB of lame
# encoding the same source at the same settings (rate and channels read from the output).
#   converted_check.sh DIR SNR_TOOL KBPS
# DIR holds source/NAME.wav and converted/NAME.wav; SNR_TOOL is the host mp3_bench_tool.
set -u
dir=$1 tool=$2 kbps=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
[ -x "$tool" ] || { echo "no SNR tool at $tool (build the host preset first)"; exit 1; }
shopt -s nullglob nocaseglob
converted=("$dir"/converted/*.wav)
[ ${#converted[@]} -gt 0 ] || { echo "nothing converted in $dir"; exit 1; }

# Decodes to 16-bit raw PCM; a failure or a complaint (mpg123's -q would hide its notes of
# damaged frames) fails the whole check.
decode() {
  if ! mpg123 -s "$1" >"$2" 2>"$work/err" || grep -qiE 'note|warning|error|illegal|resync|can.t' "$work/err"; then
    echo "mpg123 complained about $1:"
    grep -iE 'note|warning|error|illegal|resync|can.t' "$work/err"
    return 1
  fi
}

failed=0
for out in "${converted[@]}"; do
  name=$(basename "$out")
  src=$dir/source/$name
  decode "$out" "$work/ours.raw" || { failed=1; continue; }
  mpg123 -q -w "$work/ours.wav" "$out" 2>/dev/null
  rate=$(soxi -r "$work/ours.wav") channels=$(soxi -c "$work/ours.wav")
  # The reference is the source at the output's rate and channels; lame gets the source with
  # the output's channels and resamples it itself, as the player's encoder does.
  sox "$src" -b 16 -r "$rate" -c "$channels" "$work/ref.wav"
  sox "$src" -c "$channels" "$work/up.wav"
  mode=$([ "$channels" = 1 ] && echo m || echo j)
  lame --quiet -b "$kbps" -m "$mode" --resample "$(awk -v r="$rate" 'BEGIN { print r / 1000 }')" \
    "$work/up.wav" "$work/lame.mp3"
  decode "$work/lame.mp3" "$work/lame.raw" || { failed=1; continue; }
  ours=$("$tool" snr "$work/ref.wav" "$work/ours.raw" auto)
  lame=$("$tool" snr "$work/ref.wav" "$work/lame.raw" auto)
  verdict=$(awk -v o="$ours" -v l="$lame" 'BEGIN { print (o >= l - 3) ? "ok" : "FAIL" }')
  printf '%-12s %6s Hz %s ch  ours %6s dB  lame %6s dB  %s\n' "$name" "$rate" "$channels" "$ours" "$lame" "$verdict"
  [ "$verdict" = ok ] || failed=1
done
exit $failed
