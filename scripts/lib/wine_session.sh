# A Wine session for the build's programs: a private X display, the build's
# own Wine prefix with its server and services, and the desktop keeper; all
# stopped by cleanup_session. Sourced by scripts/common.sh.

# Whether Wine here runs 32-bit Windows programs (wine32 is installed).
wine_runs_32bit() {
    [ -x /usr/lib/wine/wine ]
}

# The display, wineserver and desktop keeper this script started, stopped on
# exit (the display and the keeper by PID).
XVFB_PID=""
KEEPER_PID=""
cleanup_session() {
    if [ -n "$KEEPER_PID" ]; then
        kill "$KEEPER_PID" 2>/dev/null || true
        wait "$KEEPER_PID" 2>/dev/null || true
    fi
    if [ -n "${TOLVRIN_WINE_READY:-}" ]; then
        timeout 20 wineserver -k >/dev/null 2>&1 || true
    fi
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
}

start_xvfb() {
    local fdfile
    fdfile="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
    XVFB_PID=$!
    local i
    for i in $(seq 1 100); do
        [ -s "$fdfile" ] && break
        sleep 0.1
    done
    local number
    number="$(head -n1 "$fdfile")"
    rm -f "$fdfile"
    [ -n "$number" ] || { log "Xvfb did not start"; return 1; }
    export DISPLAY=":$number"
}

# Waits until no wineserver runs for the prefix: one that wineboot started
# lingers a few seconds after its last process, and a client that connects
# while it shuts down fails to start. One that does not end in time is
# killed.
wait_for_no_wineserver() {
    timeout 120 wineserver -w </dev/null >/dev/null 2>&1 && return 0
    log "the Wine server of $WINEPREFIX did not end by itself: killing it"
    timeout 20 wineserver -k </dev/null >/dev/null 2>&1 || true
    timeout 60 wineserver -w </dev/null >/dev/null 2>&1
}

# A prefix of the build's own, created once. Unmanaged windows: without a
# window manager, managed windows stall about two seconds whenever one is
# hidden or destroyed. Then a persistent server of this session's own and
# Wine's services, so that the tests neither start nor race them.
wine_prefix_complete() {
    [ -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ] || return 1
    wine_runs_32bit || return 0
    [ -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]
}

prepare_wine_prefix() {
    export WINEPREFIX="$1"
    export WINEDEBUG=-all
    # winemenubuilder would write the prefix's Start-menu shortcuts into the
    # host user's menus.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export WINEARCH=win64
    mkdir -p "$WINEPREFIX"
    # One session per prefix at a time: a second one would share the first
    # one's server and lose it when the first ends.
    exec 8>"$WINEPREFIX/.tolvrin-session.lock"
    if ! flock -n 8; then
        log "waiting for another session of $WINEPREFIX to end"
    fi
    if ! flock -w 1800 8; then
        log "another test session holds $WINEPREFIX"
        return 1
    fi
    # A prefix whose making failed, or one made before wine32 was installed
    # (it lacks its 32-bit half, and then no program at all starts in it), is
    # made anew.
    if [ -f "$WINEPREFIX/.tolvrin-ready" ] && ! wine_prefix_complete; then
        log "the Wine prefix $WINEPREFIX is incomplete: making it anew"
        timeout 20 wineserver -k </dev/null >/dev/null 2>&1 || true
        find "$WINEPREFIX" -mindepth 1 -maxdepth 1 ! -name .tolvrin-session.lock -exec rm -rf {} +
    fi
    if [ ! -f "$WINEPREFIX/.tolvrin-ready" ]; then
        log "creating the Wine prefix $WINEPREFIX"
        timeout 300 wineboot -i </dev/null >/dev/null 2>&1 || true
        timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
        wait_for_no_wineserver
        touch "$WINEPREFIX/.tolvrin-ready"
    fi
    # Exit status 2: a server already holds the prefix (left by an earlier
    # session that was killed): wait for it, or end it, and start ours.
    local status=0
    timeout 30 wineserver -p </dev/null >/dev/null 2>&1 || status=$?
    if [ "$status" -eq 2 ]; then
        timeout 20 wineserver -k </dev/null >/dev/null 2>&1 || true
        wait_for_no_wineserver
        status=0
        timeout 30 wineserver -p </dev/null >/dev/null 2>&1 || status=$?
    fi
    if [ "$status" -ne 0 ]; then
        log "could not start the Wine server for $WINEPREFIX (status $status)"
        return 1
    fi
    export TOLVRIN_WINE_READY="$WINEPREFIX"
    if ! timeout 120 wine wineboot </dev/null >/dev/null 2>&1; then
        log "Wine's services did not start in $WINEPREFIX"
        return 1
    fi
    start_desktop_keeper
}

# Holds the desktop open between the test processes (see
# tests/programs/desktop_keeper.cpp) and waits until the desktop is up;
# without a test build there is nothing to keep.
start_desktop_keeper() {
    local keeper="$BUILD_DIR/bin/tolvrin_desktop_keeper.exe"
    [ -f "$keeper" ] || return 0
    local fifo line=""
    fifo="$(mktemp -u)"
    mkfifo "$fifo"
    wine "$keeper" </dev/null >"$fifo" 2>/dev/null &
    KEEPER_PID=$!
    read -r -t 120 line <"$fifo" || true
    rm -f "$fifo"
    if [ "$line" != ready ]; then
        log "the desktop keeper did not start in $WINEPREFIX"
        return 1
    fi
}
