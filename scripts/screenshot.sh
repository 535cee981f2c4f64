#!/bin/bash
# Takes a picture of the real player under Wine.
#   screenshot.sh OUT.png           the main window (virtual desktop, so it has its frame), a few
#                                   seconds into playing the demo folder
#   screenshot.sh OUT.png schedule  the schedule panel over the memory view: a memory of the demo
#                                   tunes and a daily set of four entries, the runner waiting
#   screenshot.sh OUT.png tray      the tray menu: the player goes to the notification area by
#                                   its "Ｔｒａｙ" button, then the icon's right-button press opens the menu
#   screenshot.sh OUT.png setup     the setup window in install mode: the exe copied under a
#                                   name holding "SETUP" opens it whatever the settings say
#   screenshot.sh OUT.png chooser   the folder chooser: the player starts without an extraction
#                                   folder, so it asks for one; the driver types a folder of tunes
#                                   with Japanese names into that dialog and presses "参照"
# The chooser is read from its own X window: on an X server without a window manager, Wine 8
# leaves a window shown over another window of the same program black in a capture of the
# whole screen, while the window itself holds what Wine drew.
set -e
here=$(cd "$(dirname "$0")" && pwd)
out=$(realpath -m "$1")
mkdir -p "$(dirname "$out")"
exe_dir="$here/../build/win64"
export ZELCOR_WINE_ROOT=${ZELCOR_WINE_ROOT:-/tmp/zelcor-wine-shot}
if [ "$2" = chooser ]; then
  bash "$here/wine-session.sh" run bash -c "
    source '$here/player-env.sh' '$exe_dir'
    wine reg delete 'HKCU\\Software\\Wine\\Explorer' /v Desktop /f >/dev/null 2>&1 || true
    wine reg delete 'HKCU\\Software\\ZUMIK SOFT32\\ZELCOR32' /v TEMPLZH /f >/dev/null 2>&1
    tunes=\"\$WINEPREFIX/drive_c/音楽\"
    python3 '$here/make_demo_tunes.py' \"\$tunes/童謡\"
    mkdir -p \"\$tunes/クラシック\" \"\$tunes/ゲーム音楽\"
    cp \"\$tunes/童謡/デモ曲3 さくら.wav\" \"\$tunes/童謡/春の小川.wav\"
    driver='$exe_dir/tests/e2e/driver/e2e_driver.exe'
    wine '$exe_dir/zelcor32.exe' >/dev/null 2>&1 &
    wine \"\$driver\" wait-window TDIR2SETForm 30000 >/dev/null 2>&1
    wine \"\$driver\" type TDIR2SETForm 105 'C:\\音楽\\童謡' >/dev/null 2>&1
    wine \"\$driver\" click TDIR2SETForm 107 >/dev/null 2>&1
    wine \"\$driver\" wait-window TDIR2VIEWForm 30000 >/dev/null 2>&1
    id=\$(xwininfo -root -tree | grep -F 'フォルダーの参照\"' | awk '{print \$1}' | head -1)
    # Long enough for a hint that shows under the resting pointer to go again.
    sleep \${ZELCOR_SHOT_WAIT:-7}
    xwd -id \"\$id\" -silent | convert xwd:- '$out'
    wineserver -k || true
  "
  echo "screenshot: $out"
  exit 0
fi
export ZELCOR_VIRTUAL_DESKTOP=800x600
if [ "$2" = schedule ]; then
  # The memory and the set live beside the exe for the shot only.
  bash "$here/wine-session.sh" run bash -c "
    export ZELCOR_DEMO_DIR=\"\$WINEPREFIX/drive_c/音楽/デモ\"
    source '$here/player-env.sh' '$exe_dir'
    demo=\$(winepath -w \"\$ZELCOR_DEMO_DIR\")
    for f in \"\$ZELCOR_DEMO_DIR\"/*.wav; do printf '%s\\\\%s\\r\\n' \"\$demo\" \"\$(basename \"\$f\")\"; done |
      iconv -f UTF-8 -t CP932 > '$exe_dir/朝の音楽.LIM'
    printf '09:00 @ 朝の音楽\\r\\n12:00 E\\r\\n13:00 G 朝の音楽\\r\\n18:30 C\\r\\n' | iconv -f UTF-8 -t CP932 > '$exe_dir/開店.day'
    reg=\$(mktemp --suffix=.reg)
    printf 'REGEDIT4\\r\\n\\r\\n[HKEY_CURRENT_USER\\\\Software\\\\ZUMIK SOFT32\\\\ZELCOR32]\\r\\n\"MEMORY\"=\"0,1,0,1,0,1,0\"\\r\\n\"M_Fn\"=\"朝の音楽\"\\r\\n\"TM_Mode\"=\"0\"\\r\\n\"TDAY_S\"=\"開店\"\\r\\n\"JK\"=\"待機中\"\\r\\n' |
      iconv -f UTF-8 -t CP932 > \"\$reg\"
    wine regedit /S \"\$(winepath -w \"\$reg\")\" >/dev/null 2>&1
    wine '$exe_dir/zelcor32.exe' >/dev/null 2>&1 &
    driver='$exe_dir/tests/e2e/driver/e2e_driver.exe'
    wine \"\$driver\" wait-window TZELCOR32ZUMIK 30000 >/dev/null 2>&1
    sleep 3
    wine \"\$driver\" click TZELCOR32ZUMIK 1207 >/dev/null 2>&1
    sleep \${ZELCOR_SHOT_WAIT:-5}
    xwd -root -silent | convert xwd:- -crop 800x600+0+0 '$out'
    wineserver -k || true
    rm -f '$exe_dir/朝の音楽.LI'? '$exe_dir/開店.day' \"\$reg\"
  "
  echo "screenshot: $out"
  exit 0
fi
if [ "$2" = setup ]; then
  bash "$here/wine-session.sh" run bash -c "
    source '$here/player-env.sh' '$exe_dir'
    setup=\$(mktemp -d)
    cp '$exe_dir/zelcor32.exe' \"\$setup/zelSETUP.exe\"
    wine \"\$setup/zelSETUP.exe\" >/dev/null 2>&1 &
    driver='$exe_dir/tests/e2e/driver/e2e_driver.exe'
    wine \"\$driver\" wait-window TBGM_SETUPFM 30000 >/dev/null 2>&1
    sleep \${ZELCOR_SHOT_WAIT:-3}
    xwd -root -silent | convert xwd:- -crop 800x600+0+0 '$out'
    wineserver -k || true
    rm -rf \"\$setup\"
  "
  echo "screenshot: $out"
  exit 0
fi
if [ "$2" = tray ]; then
  bash "$here/wine-session.sh" run bash -c "
    source '$here/player-env.sh' '$exe_dir'
    wine '$exe_dir/zelcor32.exe' >/dev/null 2>&1 &
    driver='$exe_dir/tests/e2e/driver/e2e_driver.exe'
    wine \"\$driver\" wait-window TZELCOR32ZUMIK 30000 >/dev/null 2>&1
    sleep 3
    wine \"\$driver\" click TZELCOR32ZUMIK 1018 >/dev/null 2>&1
    sleep 1
    xdotool mousemove 300 200
    wine \"\$driver\" post TNotifyWindow 0x466 1 0x204 >/dev/null 2>&1
    sleep \${ZELCOR_SHOT_WAIT:-3}
    xwd -root -silent | convert xwd:- -crop 800x600+0+0 '$out'
    wineserver -k || true
  "
  echo "screenshot: $out"
  exit 0
fi
# The demo tunes sit on the prefix's own C: drive, so the picture shows a Windows folder tree.
bash "$here/wine-session.sh" run bash -c "
  export ZELCOR_DEMO_DIR=\"\$WINEPREFIX/drive_c/音楽/デモ\"
  source '$here/player-env.sh' '$exe_dir'
  wine '$exe_dir/zelcor32.exe' /PLAY >/dev/null 2>&1 &
  sleep \${ZELCOR_SHOT_WAIT:-7}
  xwd -root -silent | convert xwd:- -crop 800x600+0+0 '$out'
  wineserver -k || true
"
echo "screenshot: $out"
