#!/bin/bash
# Maps R: in the session's prefix as a CD-ROM drive with no disc: a drive letter whose type
# is cdrom and whose root is an empty folder. The mount manager reads it when Wine starts
# again, so the running Wine is ended here.
set -e
[ -n "$WINEPREFIX" ] || { echo "no Wine session" >&2; exit 1; }
root="$WINEPREFIX/empty-cd-drive"
mkdir -p "$root"
ln -sfn "$root" "$WINEPREFIX/dosdevices/r:"
wine reg add 'HKLM\Software\Wine\Drives' /v 'r:' /t REG_SZ /d cdrom /f >/dev/null 2>&1
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
