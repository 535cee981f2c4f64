#!/bin/bash
# -lh5- compression ratio and speed of lhatool against jlha and lhasa, side by
# side in one run, on a corpus built here: the repository's own text, a WAV
# tune, a MIDI tune, a binary and a mixed folder.
#   bash bench/lha/run.sh [build/host/lhatool]
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
cp "$C/text.txt" "$C/tune.wav" "$C/tune.mid" "$C/binary.bin" "$C/mixed/"
head -c 200000 /dev/zero > "$C/mixed/silence.raw"

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", b - a }'; }
# Processor seconds (user + system, every thread) of a command run in $C: on a
# shared machine the fair measure beside the elapsed time.
cpu() { local out=$1; shift; (cd "$C" && /usr/bin/time -f '%U %S' -o "$WORK/$out.cpu" "$@" >/dev/null 2>&1); }
cpuof() { awk '{ printf "%.2f", $1 + $2 }' "$WORK/$1.cpu"; }
# Packed bytes of one archive: the sum of the entries' packed sizes (headers excluded).
packed() { lhasa v "$1" | awk '$NF != "NAME" && $0 !~ /^---/ && $0 !~ /Total/ { s += $(NF-8) } END { print s }'; }

printf '%-12s %10s | %10s %10s %8s | %10s %10s | %6s %6s | %6s %6s | %6s %6s %6s\n' \
  file size "jlha ao5" "ours lh5" "ours/j" "ours lh6" "ours lh7" "c jlha" "c ours" "cpu j" "cpu o" \
  "x lhasa" "x jlha" "x ours"
worst=0
for item in text.txt tune.wav tune.mid binary.bin mixed; do
  if [ "$item" = mixed ]; then files=$(cd "$C" && find mixed -type f | sort); else files=$item; fi
  size=$(cd "$C" && cat $files | wc -c)
  rm -f "$WORK"/*.lzh
  t0=$(now); (cd "$C" && jlha a2o5 "$WORK/j.lzh" $files >/dev/null 2>&1); t1=$(now)
  (cd "$C" && "$TOOL" a -lh5 "$WORK/o5.lzh" $files >/dev/null); t2=$(now)
  rm -f "$WORK/jc.lzh" "$WORK/oc.lzh"
  cpu cj jlha a2o5 "$WORK/jc.lzh" $files
  cpu co "$TOOL" a -lh5 "$WORK/oc.lzh" $files
  (cd "$C" && "$TOOL" a -lh6 "$WORK/o6.lzh" $files >/dev/null)
  (cd "$C" && "$TOOL" a -lh7 "$WORK/o7.lzh" $files >/dev/null)
  # Extraction of the same archive (jlha's) by all three.
  rm -rf "$WORK/xl" "$WORK/xj" "$WORK/xo"; mkdir -p "$WORK/xl" "$WORK/xj"
  t3=$(now); (cd "$WORK/xl" && lhasa x "$WORK/j.lzh" >/dev/null 2>&1); t4=$(now)
  (cd "$WORK/xj" && jlha x "$WORK/j.lzh" >/dev/null 2>&1); t5=$(now)
  "$TOOL" x "$WORK/j.lzh" "$WORK/xo" >/dev/null; t6=$(now)
  for f in $files; do cmp -s "$WORK/xo/$f" "$C/$f" || echo "MISMATCH: $f"; done
  pj=$(packed "$WORK/j.lzh"); p5=$(packed "$WORK/o5.lzh")
  ratio=$(awk -v a="$p5" -v b="$pj" 'BEGIN { printf "%.4f", a / b }')
  awk -v r="$ratio" 'BEGIN { exit !(r > 1) }' && worst=1
  printf '%-12s %10d | %10d %10d %8s | %10d %10d | %6s %6s | %6s %6s | %6s %6s %6s\n' "$item" "$size" "$pj" "$p5" \
    "$ratio" "$(packed "$WORK/o6.lzh")" "$(packed "$WORK/o7.lzh")" "$(elapsed $t0 $t1)" "$(elapsed $t1 $t2)" \
    "$(cpuof cj)" "$(cpuof co)" \
    "$(elapsed $t3 $t4)" "$(elapsed $t4 $t5)" "$(elapsed $t5 $t6)"
done
echo "sizes in bytes of packed data (headers excluded); ours/j < 1 means smaller than jlha ao5; times in seconds (jlha includes JVM start); c: elapsed, cpu: user + system"
[ "$worst" -eq 0 ] && echo "ours -lh5- <= jlha ao5 on every file" || echo "WARNING: jlha ao5 smaller on some file"
