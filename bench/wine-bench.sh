# Sourced by the benches that run Windows builds under Wine: sets repo, build (ZELCOR_BUILD or
# build/win64) and driver, checks that the named built files exist, and runs the calling
# script (which takes its settings from the environment) again inside a Wine session unless it
# is in one already.
#   . "$(dirname "$0")/../wine-bench.sh" FILE...     (FILE relative to the build folder)
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${ZELCOR_BUILD:-$repo/build/win64}
driver="$build/tests/e2e/driver/e2e_driver.exe"
for f in "$@"; do
  [ -f "$build/$f" ] || { echo "missing $build/$f: build the win64 preset first" >&2; exit 1; }
done
if [ -z "$ZELCOR_WINE_SESSION" ]; then
  exec bash "$repo/scripts/wine-session.sh" run bash "$0"
fi
