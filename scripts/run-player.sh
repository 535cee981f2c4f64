#!/bin/bash
# `make run`: the player under Wine on the demo folder, in a prefix of its own outside the
# repository. Uses the real display when there is one, else an Xvfb inside the session.
set -e
here=$(cd "$(dirname "$0")" && pwd)
exe_dir="$here/../build/win64"
export ZELCOR_WINE_ROOT=${ZELCOR_WINE_ROOT:-$HOME/.zelcor32-wine}
if [ -n "$DISPLAY" ]; then export ZELCOR_KEEP_DISPLAY=1; fi
exec bash "$here/wine-session.sh" run bash -c "source '$here/player-env.sh' '$exe_dir' && wine '$exe_dir/zelcor32.exe' /PLAY"
