#!/bin/bash
# Runs one Windows program under Wine; CTest uses it as the cross-compiling emulator.
# Inside a session (wine-session.sh run) it reuses that session, otherwise it makes one.
if [ -n "$ZELCOR_WINE_SESSION" ]; then
  exec wine "$@"
fi
exec "$(dirname "$0")/wine-session.sh" run wine "$@"
