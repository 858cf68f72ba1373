# Shared by scripts/run, scripts/test and scripts/test-env: package set-up, the
# build, the Wine prefix and a private X display. Sourced, not run.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${TOLVRIN_BUILD_DIR:-$ROOT/build}"
BUILD_DIR_I686="${BUILD_DIR}-i686"

# osslsigncode signs the packages when a certificate is given; the package
# tests make a throwaway one with openssl and read the winget and Scoop
# manifests with python3-yaml and Python's own JSON reader.
# fonts-wine gives Wine's caption buttons and dialogs the fonts they are drawn
# in (only a recommended package of wine, which is installed without
# recommendations). wine32, which runs the 32-bit build, is added where the
# host runs 32-bit programs at all (host_runs_32bit).
REQUIRED_PACKAGES=(cmake make g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 googletest wine wine64
    fonts-wine xvfb x11-apps imagemagick nsis zip unzip xdotool locales fonts-vlgothic
    osslsigncode openssl python3-yaml fonts-wqy-zenhei fonts-dejavu)

# Whether the kernel runs 32-bit x86 programs: some virtual machines have no
# 32-bit support, and there wine32 would only break Wine, whose wrapper starts
# the 32-bit loader first once it is installed. Tried with a 93-byte program
# that only exits.
host_runs_32bit() {
    local probe
    probe="$(mktemp)"
    printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe"
    chmod +x "$probe"
    local status=0
    "$probe" 2>/dev/null || status=$?
    rm -f "$probe"
    [ "$status" -eq 0 ]
}

# Whether Wine here runs 32-bit Windows programs (wine32 is installed).
wine_runs_32bit() {
    [ -x /usr/lib/wine/wine ]
}

log() { printf '== %s\n' "$*" >&2; }

ensure_packages() {
    local missing=()
    local pkg
    local wanted=("${REQUIRED_PACKAGES[@]}")
    host_runs_32bit && wanted+=(wine32:i386)
    for pkg in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    log "installing ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    if host_runs_32bit && ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# The locale tests run under LC_ALL=ja_JP.UTF-8, which gives Wine the ANSI
# code page 932, and LC_ALL=en_US.UTF-8, which gives it 1252 (the program in a
# folder whose name 1252 cannot hold): tests/CMakeLists.txt. The fit tests
# measure a language in a font with its glyphs where Wine's Tahoma has none:
# Japanese in VL Gothic (fonts-vlgothic), Chinese and Korean in WenQuanYi Zen
# Hei (fonts-wqy-zenhei), Greek in DejaVu Sans (fonts-dejavu).
ensure_locale() {
    local name="$1"
    locale -a 2>/dev/null | grep -qix "$name\.utf-\?8" && return 0
    log "generating the $name.UTF-8 locale"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo localedef -i "$name" -f UTF-8 "$name.UTF-8"
}

# Both locales, under the name scripts/test has always called.
ensure_japanese_locale() {
    ensure_locale ja_JP
    ensure_locale en_US
}

# configure_and_build BUILD_DIR TOOLCHAIN [targets...]
configure_and_build() {
    local dir="$1" toolchain="$2"
    shift 2
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/$toolchain" >/dev/null
    fi
    local targets=()
    local t
    for t in "$@"; do targets+=(--target "$t"); done
    cmake --build "$dir" -j"$(nproc)" "${targets[@]}"
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
# tests/desktop_keeper/desktop_keeper.cpp) and waits until the desktop is up;
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
