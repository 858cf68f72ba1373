# Shared by scripts/run, scripts/test and scripts/test-env: package set-up, the
# build, the Wine prefix and a private X display. Sourced, not run.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${TOLVRIN_BUILD_DIR:-$ROOT/build}"
BUILD_DIR_I686="${BUILD_DIR}-i686"

REQUIRED_PACKAGES=(cmake make g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 googletest wine wine64 xvfb
    x11-apps imagemagick nsis zip unzip xdotool locales fonts-vlgothic)

log() { printf '== %s\n' "$*" >&2; }

ensure_packages() {
    local missing=()
    local pkg
    for pkg in "${REQUIRED_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    log "installing ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# The Japanese-locale tests run under LC_ALL=ja_JP.UTF-8, which gives Wine the
# ANSI code page 932 (tests/CMakeLists.txt); the fit tests measure Japanese in
# VL Gothic (fonts-vlgothic), a font with Japanese glyphs.
ensure_japanese_locale() {
    locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8' && return 0
    log "generating the ja_JP.UTF-8 locale"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
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

# The display and wineserver this script started, stopped by PID on exit.
XVFB_PID=""
cleanup_session() {
    if [ -n "${WINEPREFIX:-}" ]; then
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

# A prefix of the build's own, created once. Unmanaged windows: without a
# window manager, managed windows stall about two seconds whenever one is
# hidden or destroyed.
prepare_wine_prefix() {
    export WINEPREFIX="$1"
    export WINEDEBUG=-all
    # winemenubuilder would write the prefix's Start-menu shortcuts into the
    # host user's menus.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export WINEARCH=win64
    if [ ! -f "$WINEPREFIX/.tolvrin-ready" ]; then
        log "creating the Wine prefix $WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        timeout 300 wineboot -i </dev/null >/dev/null 2>&1 || true
        timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
        timeout 120 wineserver -w </dev/null >/dev/null 2>&1 || true
        touch "$WINEPREFIX/.tolvrin-ready"
    fi
    timeout 30 wineserver -p </dev/null >/dev/null 2>&1 || true
    timeout 120 wine wineboot </dev/null >/dev/null 2>&1 || true
    export TOLVRIN_WINE_READY="$WINEPREFIX"
}
