#!/bin/sh
# Runs a Windows program under Wine for ctest (test discovery and the tests).
# scripts/test exports WINEPREFIX and DISPLAY; the prefix is prepared once there.
# The server and Wine's services are started with their standard streams on
# /dev/null: otherwise they inherit ctest's pipes and ctest waits for them.
: "${WINEPREFIX:?WINEPREFIX is not set: run the tests through scripts/test}"
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export DISPLAY="${DISPLAY:-:99}"
WINE="${WINE:-wine}"
WINESERVER="${WINESERVER:-wineserver}"

# scripts/test starts a persistent server and Wine's services before ctest
# and says so; started any other way, make sure they run.
if [ "${TOLVRIN_WINE_READY:-}" != "$WINEPREFIX" ]; then
  (
    flock 9
    timeout 60 "$WINESERVER" -p10 </dev/null >/dev/null 2>&1
    timeout 60 "$WINE" wineboot </dev/null >/dev/null 2>&1
  ) 9>"$WINEPREFIX/.wine-run.lock"
fi

exec timeout --kill-after=5 "${WINE_RUN_TIMEOUT:-300}" "$WINE" "$@"
