#!/bin/bash
# Prepares a Wine prefix for running the player by hand: the settings version the build
# expects, an extraction folder and an MP3 save folder (so the first-start folder dialogs do
# not stand in the way), the demo folder as the open folder. Sourced inside wine-session.sh.
# $1: the folder of zelcor32.exe; ZELCOR_DEMO_DIR, when set, puts the demo tunes elsewhere.
exe_dir=$(cd "$1" && pwd)
demo=${ZELCOR_DEMO_DIR:-$exe_dir/demo}
python3 "$(dirname "${BASH_SOURCE[0]}")/make_demo_tunes.py" "$demo"
mkdir -p "$exe_dir/extract" "$exe_dir/mp3"
win() { winepath -w "$1" 2>/dev/null; }
key='HKCU\Software\ZUMIK SOFT32\ZELCOR32'
regfile=$(mktemp --suffix=.reg)
esc() { sed 's/\\/\\\\/g'; }
{
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\ZUMIK SOFT32\\ZELCOR32]\r\n'
  printf '"Version"="20"\r\n'
  printf '"TEMPLZH"="%s"\r\n' "$(win "$exe_dir/extract" | esc)"
  printf '"SND_DIR"="%s"\r\n' "$(win "$exe_dir/mp3" | esc)"
  if [ -z "$ZELCOR_KEEP_FOLDER" ]; then printf '"CPATH"="%s"\r\n' "$(win "$demo" | esc)"; fi
  if [ -n "$ZELCOR_VIRTUAL_DESKTOP" ]; then
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n'
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="%s"\r\n' "$ZELCOR_VIRTUAL_DESKTOP"
  fi
} | iconv -f UTF-8 -t CP932 > "$regfile"  # REGEDIT4 files are read in the ANSI code page
wine regedit /S "$(win "$regfile")" >/dev/null 2>&1
rm -f "$regfile"
