#!/bin/bash
# The one installer on 32-bit Windows: in a WINEARCH=win32 prefix of its own
# it installs the x86 program (the x86 zip's bytes), which runs a countdown
# to its end, and the uninstall takes it away again.
#   installer_win32_test.sh SETUP_EXE X86_ZIP PREFIX
# Skipped (77) where Wine runs no 32-bit programs (no wine32).
set -u
setup="$1"
zip="$2"
here="$(cd "$(dirname "$0")" && pwd)"
if [ ! -x /usr/lib/wine/wine ]; then
    echo "SKIPPED: Wine here runs no 32-bit programs (no wine32; the kernel may run no 32-bit code)"
    exit 77
fi
bash "$here/prepare_wine_prefix.sh" "$3" win32 || exit 1
export WINEPREFIX="$3" WINEARCH=win32 WINEDEBUG=-all
folder="$WINEPREFIX/drive_c/Tolvrin"
# A folder left by an earlier run that failed half-way would make the
# installer refuse (a folder with other files): each run starts without it.
rm -rf "$folder"
work="$(mktemp -d)"
trap 'rm -rf "$work"; timeout 20 wineserver -k </dev/null >/dev/null 2>&1' EXIT
failures=0
check() {
    if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi
}

timeout 120 wine "$setup" /S '/D=C:\Tolvrin' </dev/null >/dev/null 2>&1
code=$?
check "the installer ends with 0 on 32-bit Windows (exit code $code)" '[ $code -eq 0 ]'
unzip -q "$zip" -d "$work/x86"
for file in TolvrinShutdown.exe TolvrinSkin.dll; do
    [ -f "$work/x86/$file" ] || continue
    check "$file is the x86 zip's" 'cmp -s "$work/x86/$file" "$folder/$file"'
done
timeout 60 wine 'C:\Tolvrin\TolvrinShutdown.exe' 0,1, </dev/null >/dev/null 2>&1
code=$?
check "the installed program runs a countdown to its end (exit code $code)" '[ $code -eq 1 ]'
timeout 120 wine 'C:\Tolvrin\uninstall.exe' /S '_?=C:\Tolvrin' </dev/null >/dev/null 2>&1
code=$?
check "the uninstall ends with 0 (exit code $code)" '[ $code -eq 0 ]'
# A copy of the uninstaller in the temporary folder removes uninstall.exe and
# the folder once the uninstaller has ended: a moment after its exit code.
for _ in $(seq 1 200); do
    [ -e "$folder" ] || break
    sleep 0.1
done
check "the uninstall took the folder away" '[ ! -e "$folder" ]'
echo "$failures failed"
[ "$failures" -eq 0 ]
