# The Debian packages and locales that the build and the tests need, installed
# or generated when missing. Sourced by scripts/common.sh.

# osslsigncode signs the packages when a certificate is given; the package
# tests make a throwaway one with openssl and read the winget and Scoop
# manifests with python3-yaml and Python's own JSON reader.
# fonts-wine gives Wine's caption buttons and dialogs the fonts they are drawn
# in (only a recommended package of wine, which is installed without
# recommendations). The fit tests measure a language in a font with its
# glyphs where Wine's Tahoma has none: Japanese in VL Gothic (fonts-vlgothic),
# Chinese and Korean in WenQuanYi Zen Hei (fonts-wqy-zenhei), Greek in DejaVu
# Sans (fonts-dejavu). wine32, which runs the 32-bit build, is added where the
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

# ensure_locale NAME: the NAME.UTF-8 locale, generated when the system lacks it.
ensure_locale() {
    local name="$1"
    locale -a 2>/dev/null | grep -qix "$name\.utf-\?8" && return 0
    log "generating the $name.UTF-8 locale"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo localedef -i "$name" -f UTF-8 "$name.UTF-8"
}

# The locales the locale tests run under (tests/CMakeLists.txt):
# LC_ALL=ja_JP.UTF-8, which gives Wine the ANSI code page 932, and
# LC_ALL=en_US.UTF-8, which gives it 1252 (the program in a folder whose name
# 1252 cannot hold).
ensure_test_locales() {
    ensure_locale ja_JP
    ensure_locale en_US
}
