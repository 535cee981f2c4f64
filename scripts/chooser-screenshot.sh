#!/bin/bash
# Takes a picture of the folder chooser of the real exe under Wine (virtual desktop, so it has
# its frame), opened from the extraction-folder command on the demo folder, which holds
# Japanese file names, a subfolder and a hidden file.
# $1: the PNG to write.
set -e
here=$(cd "$(dirname "$0")" && pwd)
out=$(realpath -m "$1")
mkdir -p "$(dirname "$out")"
exe_dir="$here/../build/win64"
driver="$exe_dir/tests/e2e/driver/e2e_driver.exe"
export ZELCOR_WINE_ROOT=${ZELCOR_WINE_ROOT:-/tmp/zelcor-wine-shot}
export ZELCOR_VIRTUAL_DESKTOP=800x600
bash "$here/wine-session.sh" run bash -c "
  source '$here/player-env.sh' '$exe_dir'
  mkdir -p '$exe_dir/demo/表示'
  printf 'x' > '$exe_dir/demo/隠しメモ.txt'
  wine attrib +h \"\$(winepath -w '$exe_dir/demo/隠しメモ.txt')\" >/dev/null 2>&1 || true
  wine '$exe_dir/zelcor32.exe' >/dev/null 2>&1 &
  wine '$driver' wait-window TZELCOR32ZUMIK 20000 >/dev/null 2>&1
  sleep \${ZELCOR_SHOT_WAIT:-3}
  wine '$driver' open-chooser \"\$(winepath -w '$exe_dir/demo')\" >/dev/null 2>&1
  sleep 2
  xwd -root -silent | convert xwd:- -crop 800x600+0+0 '$out'
  wineserver -k || true
"
echo "screenshot: $out"
