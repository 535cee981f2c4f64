#!/bin/bash
# The DLL exports exactly the six entry points, by their plain names (no @N
# decoration), as a caller resolving them with GetProcAddress expects.
export LC_ALL=C  # objdump headings and sort order must not follow the test session's locale
OBJDUMP=$1
DLL=$2
got=$("$OBJDUMP" -p "$DLL" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '/\[/ && NR > 1 { print $NF }' | sort | tr '\n' ' ')
want="Unlha UnlhaCloseArchive UnlhaFindFirst UnlhaFindNext UnlhaGetRunning UnlhaOpenArchive "
if [ "$got" != "$want" ]; then
  echo "exports: '$got'"
  echo "wanted:  '$want'"
  exit 1
fi
echo "exports ok: $got"
