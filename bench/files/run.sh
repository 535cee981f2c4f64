#!/bin/bash
# File work of the player, each figure against the system's bare calls in the same run
# (median of REPS runs, subject and baseline in turn):
#  - the file list rebuilt for a folder of 10,000 and of 50,000 files, against one bare
#    FindFirstFile/FindNextFile listing of the folder (under Wine, real Win32 file system);
#  - the bulk add over a tree of 20,000 files, against a bare recursive listing (under Wine);
#  - saving and loading a memory of 32,700 entries, against a bare write and read of the same
#    bytes: natively and under Wine.
# The native figures need a file system: the player has only its Win32 one and the in-memory
# fake of the tests, so bench/files carries a small POSIX one (temporary file, fsync, rename,
# as the Win32 one does) and the player runs on it unchanged.
# Needs build/host and build/win64 (cmake --build --preset host|win64 --target files_bench).
#   bash bench/files/run.sh            REPS=9 for steadier medians
set -e
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
host_tool=${ZELCOR_HOST_BUILD:-$repo/build/host}/files_bench
win_tool=${ZELCOR_BUILD:-$repo/build/win64}/files_bench.exe
for t in "$host_tool" "$win_tool"; do
  [ -f "$t" ] || { echo "missing $t: build files_bench in the host and win64 presets first" >&2; exit 1; }
done
reps=${REPS:-5}

if [ -z "$ZELCOR_WINE_SESSION" ]; then
  exec bash "$repo/scripts/wine-session.sh" run bash "$0" "$@"
fi

# On the disk (not a RAM folder), so that the memory files are timed as a user saves them.
work=$(mktemp -d "${TMPDIR:-/tmp}/files-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/data"

# Empty files made on the host side: cheap, and to the player they are files like any other.
make_files() {  # folder count
  mkdir -p "$1"
  seq 1 "$2" | awk -v d="$1" '{ printf "%s/%05d track title.%s\n", d, $1, ($1 % 3 ? "wav" : "mp3") }' |
    xargs -d '\n' touch
}
make_files "$work/list10k" 10000
make_files "$work/list50k" 50000
for a in $(seq -w 1 20); do
  for b in $(seq -w 1 10); do make_files "$work/tree/Artist $a/Album $b" 100; done
done

wine_root=$(winepath -w "$work" 2>/dev/null | tr -d '\r')
on_wine() {  # files_bench arguments after ROOT
  wine "$win_tool" "$wine_root" "$@" >"$work/out" 2>&1 </dev/null || { cat "$work/out"; exit 1; }
  tr -d '\r' <"$work/out"
}

echo "== native (host build; repetitions: $reps)"
"$host_tool" "$work" memory "$reps"
echo "== under Wine (win64 build; repetitions: $reps)"
on_wine memory "$reps"
on_wine filelist list10k "$reps"
on_wine filelist list50k "$reps"
on_wine bulkadd tree "$reps"
