#!/bin/bash
# Makes a Wine prefix of the installer tests' own, once: what the installers
# write into HKCU, the Start menu and the user's folders stays out of the
# prefix the other tests share. An existing prefix is kept; a 64-bit one made
# before wine32 was installed (no syswow64) is made anew where wine32 is.
#   prepare_wine_prefix.sh PREFIX win64|win32
set -u
prefix="$1"
export WINEARCH="$2" WINEPREFIX="$1" WINEDEBUG=-all
mkdir -p "$prefix"
exec 9>"$prefix/.tolvrin-prepare.lock"
flock -w 600 9 || { echo "FAILED: another run holds $prefix"; exit 1; }
if [ -f "$prefix/.tolvrin-ready" ] && [ "$WINEARCH" = win64 ] && [ -x /usr/lib/wine/wine ] &&
    [ ! -f "$prefix/drive_c/windows/syswow64/kernel32.dll" ]; then
    echo "the prefix has no 32-bit half: making it anew"
    timeout 20 wineserver -k </dev/null >/dev/null 2>&1
    find "$prefix" -mindepth 1 -maxdepth 1 ! -name .tolvrin-prepare.lock -exec rm -rf {} +
fi
if [ ! -f "$prefix/.tolvrin-ready" ]; then
    timeout 300 wineboot -i </dev/null >/dev/null 2>&1
    timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    timeout 120 wineserver -w </dev/null >/dev/null 2>&1
    [ -f "$prefix/drive_c/windows/system32/kernel32.dll" ] || { echo "FAILED: wineboot made no prefix"; exit 1; }
    touch "$prefix/.tolvrin-ready"
fi
echo "ok: the $WINEARCH prefix $prefix is ready"
