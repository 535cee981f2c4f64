#!/bin/bash
# Every bench in turn, each under its own header; a failing bench is reported and the rest
# still run. The exit code is non-zero when any bench failed.
#   bash bench/run-all.sh             (after `make build`: host and win64 builds)
here=$(cd "$(dirname "$0")" && pwd)
failed=()
for script in "$here"/*/run.sh "$here"/playback/cpu.sh "$here"/mp3/player.sh "$here"/mp3/memory.sh; do
  name=${script#"$here"/}
  echo "=================== ${name%.sh}"
  if ! bash "$script"; then
    echo "!!! $name failed"
    failed+=("$name")
  fi
  echo
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "failed: ${failed[*]}"
  exit 1
fi
echo "all benches ran"
