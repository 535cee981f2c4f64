#!/bin/bash
# One Wine session for tests and for running the player: a private prefix, Xvfb,
# a PulseAudio null sink (real-time playback) and the Japanese locale.
#   wine-session.sh run CMD...   start the session, run CMD inside it, end every process
# Inside, ZELCOR_WINE_SESSION=1 and the Wine variables are exported.
set -e
ROOT=${ZELCOR_WINE_ROOT:-/tmp/zelcor-wine-$(id -u)}
HERE=$(cd "$(dirname "$0")" && pwd)

export WINEPREFIX=$ROOT/prefix
export HOME=$ROOT/home
export XDG_RUNTIME_DIR=$ROOT/run
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
export LANG=ja_JP.UTF-8
unset LC_ALL
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

PIDS=()
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${PIDS[@]}"; do wait "$p" 2>/dev/null || true; done
}

start() {
  if [ -n "$ZELCOR_KEEP_DISPLAY" ] && [ -n "$DISPLAY" ]; then
    start_rest
    return
  fi
  # A free X display number.
  local n=90
  while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n+1)); done
  Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  PIDS+=($!)
  export DISPLAY=:$n
  for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
  start_rest
}

start_rest() {
  pulseaudio --daemonize=no --exit-idle-time=-1 -n \
    --load="module-null-sink sink_name=nul" \
    --load="module-native-protocol-unix socket=$XDG_RUNTIME_DIR/pulse-native" >/dev/null 2>&1 &
  PIDS+=($!)
  export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse-native
  # One prefix is made once, even when several sessions start together.
  exec 9>"$ROOT/prefix.lock"
  flock 9
  if [ ! -f "$ROOT/prefix.ready" ]; then
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    # No window manager under Xvfb: without this every window waits 2 s for one.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
    touch "$ROOT/prefix.ready"
  fi
  # Windows keeps its sounds in MEDIA, the player's default folder; a Wine prefix has none.
  mkdir -p "$WINEPREFIX/drive_c/windows/Media"
  flock -u 9
  # Start the Wine session with its output detached, so pipes on test output do not wait on it.
  wineserver -p60 >/dev/null 2>&1
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
  export ZELCOR_WINE_SESSION=1
}

case "$1" in
  run)
    shift
    trap cleanup EXIT
    start
    set +e
    "$@"
    rc=$?
    exit $rc ;;
  *) echo "usage: $0 run CMD..." >&2; exit 2 ;;
esac
