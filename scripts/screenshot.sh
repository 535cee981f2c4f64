#!/bin/bash
# Takes a picture of the real main window under Wine (virtual desktop, so it has its frame),
# a few seconds into playing the demo folder.
# $1: the PNG to write.
set -e
here=$(cd "$(dirname "$0")" && pwd)
out=$(realpath -m "$1")
mkdir -p "$(dirname "$out")"
exe_dir="$here/../build/win64"
export ZELCOR_WINE_ROOT=${ZELCOR_WINE_ROOT:-/tmp/zelcor-wine-shot}
export ZELCOR_VIRTUAL_DESKTOP=800x600
bash "$here/wine-session.sh" run bash -c "
  source '$here/player-env.sh' '$exe_dir'
  wine '$exe_dir/zelcor32.exe' /PLAY >/dev/null 2>&1 &
  sleep \${ZELCOR_SHOT_WAIT:-7}
  xwd -root -silent | convert xwd:- -crop 800x600+0+0 '$out'
  wineserver -k || true
"
echo "screenshot: $out"
