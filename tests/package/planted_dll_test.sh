#!/bin/bash
# The installer, like the program, is often run from a folder full of other
# downloads: a DLL planted beside it must not be loaded. Wine prefers its own
# system DLLs, so the planted ones are preferred here (native first), as
# Windows would find them beside the program; a control program that loads
# version.dll by its bare name shows that the planted copies are found.
#   planted_dll_test.sh SETUP_EXE SETUP_WITH_X64_STUB WORK_PARENT
# Runs in the installer tests' prefix (WINEPREFIX), in a Downloads folder
# under WORK_PARENT, which Wine sees on drive Z:. Where Wine runs no 32-bit
# programs (TOLVRIN_NO_32BIT=1), the same installer with its 64-bit stub, and
# 64-bit DLLs.
set -u
setup="$1"
compiler=i686-w64-mingw32-gcc
if [ "${TOLVRIN_NO_32BIT:-}" = 1 ]; then
    setup="$2"
    compiler=x86_64-w64-mingw32-gcc
fi
downloads="$(mktemp -d -p "$3" planted-dlls.XXXXXX)"
trap 'rm -rf "$downloads"' EXIT
here="$(cd "$(dirname "$0")" && pwd)"

# The DLLs an installer stub may look for by bare name: the ones it loads
# itself and the ones the system's own DLLs load on its behalf.
names=(version uxtheme userenv setupapi apphelp propsys dwmapi cryptbase oleacc clbcatq
    ntmarta shfolder shlwapi riched20 riched32 msftedit textshaping profapi secur32 sspicli
    wininet winmm msimg32 oleaut32 comdlg32 mpr netapi32 wtsapi32 dbghelp imm32)
"$compiler" -O2 -shared -s -o "$downloads/planted.dll" "$here/planted_dll.c" || exit 1
"$compiler" -O2 -mwindows -s -o "$downloads/loader.exe" "$here/planted_dll_loader.c" || exit 1
for name in "${names[@]}"; do cp "$downloads/planted.dll" "$downloads/$name.dll"; done
rm "$downloads/planted.dll"
cp "$setup" "$downloads/"
overrides="$(IFS=,; echo "${names[*]}")=n,b"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}$overrides"
failures=0

(cd "$downloads" && timeout 60 wine loader.exe </dev/null >/dev/null 2>&1)
if [ -f "$downloads/version.dll.loaded" ]; then
    echo "ok: a program that searches the standard way loads the planted version.dll"
else
    echo "FAILED: the control program did not load the planted version.dll: the test cannot see a planted DLL"
    failures=$((failures + 1))
fi
rm -f "$downloads"/*.loaded

(cd "$downloads" && timeout 120 wine "$(basename "$setup")" /S '/D=C:\planted-dll-test' </dev/null >/dev/null 2>&1)
code=$?
[ "$code" -eq 0 ] && echo "ok: the installer ran (exit code 0)" ||
    { echo "FAILED: the installer ended with $code"; failures=$((failures + 1)); }
loaded=$(cd "$downloads" && ls -- *.loaded 2>/dev/null | sed 's/\.loaded$//' | tr '\n' ' ')
if [ -z "$loaded" ]; then
    echo "ok: the installer loaded none of the ${#names[@]} planted DLLs"
else
    echo "FAILED: the installer loaded the planted $loaded"
    failures=$((failures + 1))
fi

timeout 120 wine 'C:\planted-dll-test\uninstall.exe' /S '_?=C:\planted-dll-test' </dev/null >/dev/null 2>&1 ||
    { echo "FAILED: the uninstall after the test failed"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ]
