#!/bin/bash
# Cross-checks with archivers this project did not write:
#  - archives made by jlha (-lh5-/-lh6-/-lh7-, header levels 0/1/2, folders,
#    Shift-JIS names) extract byte-exact with lhatool;
#  - archives made by lhatool pass lhasa's and jlha's tests and extract
#    byte-exact with both;
#  - archives in the older methods and header forms (written by the test-only
#    encoders) extract byte-exact with lhatool and, where it reads them, lhasa.
set -u
TOOL=$(realpath "$1")
SAMPLES=$(realpath "$2")
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d /tmp/lha-oracle-XXXXXX)
trap 'rm -rf "$WORK"' EXIT
FAILS=0
fail() { echo "FAIL: $*"; FAILS=$((FAILS + 1)); }

SJIS=$(printf '\x95\x5c\x83\x5c.txt')  # 表ソ.txt in Shift-JIS: both trail bytes are 0x5C
# Source files: text, binary, runs, empty, nested folders.
mkdir -p "$WORK/src/DIR/SUB"
cd "$WORK/src"
cat "$HERE"/../../src/lha/*.cpp "$HERE"/../../src/lha/*.h > text.txt
head -c 300000 "$TOOL" > tool.bin
head -c 100000 /dev/zero > zeros.bin
: > empty.txt
printf 'MThd midi\n' > DIR/A.MID
head -c 70000 "$TOOL" | tail -c 20000 > DIR/SUB/B.WAV
printf 'Shift-JIS named\n' > "$SJIS"
FILES="text.txt tool.bin zeros.bin empty.txt DIR/A.MID DIR/SUB/B.WAV"

same_tree() {  # same_tree OUTDIR NAME...: each file equals the source
  local out=$1 f
  shift
  for f in "$@"; do cmp -s "$out/$f" "$WORK/src/$f" || fail "$out/$f differs from the source"; done
}

# jlha reads names as UTF-8 from disk; its "y" flag stores them as Shift-JIS.
mkdir -p "$WORK/utf8" && cp -r "$WORK/src/." "$WORK/utf8/" && rm "$WORK/utf8/$SJIS"
printf 'Shift-JIS named\n' > "$WORK/utf8/表ソ.txt"
for m in 5 6 7; do
  for level in 0 1 2; do
    arc="$WORK/j$m$level.lzh"
    (cd "$WORK/utf8" && jlha "a${level}o${m}y" "$arc" $FILES "表ソ.txt" >/dev/null 2>&1) || fail "jlha a${level}o$m"
    out="$WORK/x-j$m$level"
    "$TOOL" t "$arc" >/dev/null || fail "lhatool t on jlha -lh$m- level $level"
    "$TOOL" x "$arc" "$out" >/dev/null || fail "lhatool x on jlha -lh$m- level $level"
    same_tree "$out" $FILES "$SJIS"
  done
done

for m in 5 6 7; do
  arc="$WORK/ours$m.lzh"
  (cd "$WORK/src" && "$TOOL" a -lh$m "$arc" $FILES "$SJIS" >/dev/null) || fail "lhatool a -lh$m"
  lhasa t "$arc" >/dev/null 2>&1 || fail "lhasa t on our -lh$m-"
  (cd "$WORK" && jlha t "$arc" >/dev/null 2>&1) || fail "jlha t on our -lh$m-"
  mkdir -p "$WORK/l$m" "$WORK/jx$m"
  (cd "$WORK/l$m" && lhasa x "$arc" >/dev/null 2>&1) || fail "lhasa x on our -lh$m-"
  same_tree "$WORK/l$m" $FILES "$SJIS"
  (cd "$WORK/jx$m" && jlha x "$arc" >/dev/null 2>&1) || fail "jlha x on our -lh$m-"
  same_tree "$WORK/jx$m" $FILES  # jlha turns Shift-JIS names into its own spelling
done

mkdir -p "$WORK/samples"
"$SAMPLES" "$WORK/samples" "$WORK/src/text.txt" || fail "lha_samples"
for arc in "$WORK"/samples/*.lzh; do
  what=$(basename "$arc" .lzh)
  out="$WORK/so-$what"
  "$TOOL" x "$arc" "$out" >/dev/null || fail "lhatool x on $what"
  cmp -s "$out/text.txt" "$WORK/src/text.txt" || fail "lhatool: $what differs from the source"
  mkdir -p "$WORK/sl-$what"
  (cd "$WORK/sl-$what" && lhasa x "$arc" >/dev/null 2>&1) || fail "lhasa x on $what"
  cmp -s "$WORK/sl-$what/text.txt" "$WORK/src/text.txt" || fail "lhasa: $what differs from the source"
done

# A tampered archive must be refused by our tool, as by the oracle.
cp "$WORK/ours5.lzh" "$WORK/bad.lzh"
printf '\x00\x00\x00' | dd of="$WORK/bad.lzh" bs=1 seek=200 conv=notrunc 2>/dev/null
if "$TOOL" t "$WORK/bad.lzh" >/dev/null; then fail "lhatool accepted a damaged archive"; fi

echo "oracle checks done, $FAILS failure(s)"
[ "$FAILS" -eq 0 ]
