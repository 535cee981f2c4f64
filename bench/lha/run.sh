#!/bin/bash
# -lh5- compression ratio and speed of lhatool against jlha and lhasa, side by
# side in one run, on a corpus built here: the repository's own text, a WAV
# tune, a MIDI tune, a binary, a large program (BIG, default /usr/bin/cmake,
# left out when missing) and a mixed folder. Each compression and extraction
# runs REPEAT times (default 5), alternating the tools; min and median shown.
#   [REPEAT=n] [BIG=file] bash bench/lha/run.sh [build/host/lhatool]
set -eu
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
TOOL=$(realpath "${1:-$ROOT/build/host/lhatool}")
WORK=$(mktemp -d /tmp/lha-bench-XXXXXX)
[ -n "${KEEP:-}" ] && echo "corpus kept in $WORK" || trap 'rm -rf "$WORK"' EXIT
C="$WORK/corpus"
mkdir -p "$C/mixed"

# --- corpus -----------------------------------------------------------------
(cd "$ROOT" && git ls-files -z -- '*.cpp' '*.h' '*.md' '*.txt' '*.sh' | xargs -0 cat) > "$C/text.txt"
sox -q -n -r 44100 -c 2 -b 16 "$C/tune.wav" \
  synth 0.4 pluck C4 synth 0.4 pluck E4 synth 0.4 pluck G4 synth 0.4 pluck C5 repeat 40 fade 0 0 0.2 gain -3
# A format-0 MIDI tune: a rising and falling phrase in several variants.
LC_ALL=C awk 'BEGIN {
  n = 0
  for (rep = 0; rep < 120; rep++)
    for (i = 0; i < 16; i++) {
      note = 48 + (i < 8 ? i : 16 - i) * 2 + rep % 5
      ev[n++] = sprintf("%c%c%c%c", 0, 144, note, 64 + rep % 32)
      ev[n++] = sprintf("%c%c%c%c", 96, 128, note, 0)
    }
  len = n * 4 + 4
  printf "MThd%c%c%c%c%c%c%c%c%c%c", 0, 0, 0, 6, 0, 0, 0, 1, 1, 224
  printf "MTrk%c%c%c%c", int(len / 16777216), int(len / 65536) % 256, int(len / 256) % 256, len % 256
  for (k = 0; k < n; k++) printf "%s", ev[k]
  printf "%c%c%c%c", 0, 255, 47, 0
}' > "$C/tune.mid"
head -c 1500000 "$TOOL" > "$C/binary.bin"
BIG=${BIG:-/usr/bin/cmake}
items="text.txt tune.wav tune.mid binary.bin"
if [ -f "$BIG" ]; then cp "$BIG" "$C/big.bin"; items="$items big.bin"; fi
cp "$C/text.txt" "$C/tune.wav" "$C/tune.mid" "$C/binary.bin" "$C/mixed/"
head -c 200000 /dev/zero > "$C/mixed/silence.raw"

REPEAT=${REPEAT:-5}
now() { date +%s.%N; }
# Runs each "label|dir|command" REPEAT times, the commands in turn, and sets
# T_label to "min median" of the elapsed seconds.
timed() {
  local spec label dir cmd t0 r
  for r in $(seq "$REPEAT"); do
    for spec in "$@"; do
      IFS='|' read -r label dir cmd <<< "$spec"
      t0=$(now); (cd "$dir" && eval "$cmd" >/dev/null 2>&1); echo "$label $(awk -v a="$t0" -v b="$(now)" 'BEGIN { print b - a }')"
    done
  done > "$WORK/times"
  for spec in "$@"; do
    label=${spec%%|*}
    printf -v "T_$label" '%s' "$(awk -v l="$label" '$1 == l { print $2 }' "$WORK/times" | sort -g |
      awk '{ v[NR] = $1 } END { printf "%.2f %.2f", v[1], v[int((NR + 1) / 2)] }')"
  done
}
med() { echo "${1#* }"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
# Processor seconds (user + system, every thread) of a command run in $C: on a
# shared machine the fair measure beside the elapsed time.
cpu() { local out=$1; shift; (cd "$C" && /usr/bin/time -f '%U %S' -o "$WORK/$out.cpu" "$@" >/dev/null 2>&1); }
cpuof() { awk '{ printf "%.2f", $1 + $2 }' "$WORK/$1.cpu"; }
# Packed bytes of one archive: the sum of the entries' packed sizes (headers excluded).
packed() { lhasa v "$1" | awk '$NF != "NAME" && $0 !~ /^---/ && $0 !~ /Total/ { s += $(NF-8) } END { print s }'; }

printf '%-10s %9s | %9s %9s %6s | %9s %9s | %9s %9s %5s | %5s %5s | %9s %9s %9s\n' \
  file size "jlha ao5" "ours lh5" "o/j" "ours lh6" "ours lh7" "c jlha" "c ours" "o/j" "cpu j" "cpu o" \
  "x lhasa" "x jlha" "x ours"
worst=0
for item in $items mixed; do
  if [ "$item" = mixed ]; then files=$(cd "$C" && find mixed -type f | sort | tr "\n" " "); else files=$item; fi
  size=$(cd "$C" && cat $files | wc -c)
  rm -f "$WORK"/*.lzh
  timed "cj|$C|rm -f $WORK/j.lzh; jlha a2o5 $WORK/j.lzh $files" "co|$C|rm -f $WORK/o5.lzh; $TOOL a -lh5 $WORK/o5.lzh $files"
  rm -f "$WORK/jc.lzh" "$WORK/oc.lzh"
  cpu cj jlha a2o5 "$WORK/jc.lzh" $files
  cpu co "$TOOL" a -lh5 "$WORK/oc.lzh" $files
  (cd "$C" && "$TOOL" a -lh6 "$WORK/o6.lzh" $files >/dev/null)
  (cd "$C" && "$TOOL" a -lh7 "$WORK/o7.lzh" $files >/dev/null)
  # Extraction of the same archive (jlha's) by all three.
  mkdir -p "$WORK/xl" "$WORK/xj"
  timed "xl|$WORK/xl|rm -rf ./*; lhasa x $WORK/j.lzh" "xj|$WORK/xj|rm -rf ./*; jlha x $WORK/j.lzh" \
    "xo|$WORK|rm -rf xo; $TOOL x j.lzh xo"
  for f in $files; do cmp -s "$WORK/xo/$f" "$C/$f" || echo "MISMATCH: $f"; done
  # Ours extracted by lhasa.
  rm -rf "$WORK/xc"; mkdir -p "$WORK/xc"; (cd "$WORK/xc" && lhasa x "$WORK/o5.lzh" >/dev/null 2>&1)
  for f in $files; do cmp -s "$WORK/xc/$f" "$C/$f" || echo "MISMATCH (lhasa on ours): $f"; done
  pj=$(packed "$WORK/j.lzh"); p5=$(packed "$WORK/o5.lzh")
  sizeRatio=$(awk -v a="$p5" -v b="$pj" 'BEGIN { printf "%.4f", a / b }')
  awk -v r="$sizeRatio" 'BEGIN { exit !(r > 1) }' && worst=1
  printf '%-10s %9d | %9d %9d %6s | %9d %9d | %9s %9s %5s | %5s %5s | %9s %9s %9s\n' "$item" "$size" "$pj" "$p5" \
    "$sizeRatio" "$(packed "$WORK/o6.lzh")" "$(packed "$WORK/o7.lzh")" "$T_cj" "$T_co" \
    "$(ratio "$(med "$T_co")" "$(med "$T_cj")")" "$(cpuof cj)" "$(cpuof co)" "$T_xl" "$T_xj" "$T_xo"
done
echo "sizes in bytes of packed data (headers excluded); o/j < 1: ours smaller or faster than jlha ao5 (time: medians)"
echo "times in seconds, min and median of $REPEAT runs (jlha includes JVM start); c: compression, x: extraction, cpu: user + system"
[ "$worst" -eq 0 ] && echo "ours -lh5- <= jlha ao5 on every file" || echo "WARNING: jlha ao5 smaller on some file"
