#!/bin/bash
# The installer, like the program, is often run from a folder full of other
# downloads: a DLL planted beside it must not be loaded. Wine prefers its own
# system DLLs, so the planted ones are preferred here (native first), as
# Windows would find them beside the program; a control program that loads
# userenv.dll by its bare name shows that the planted copies are found.
#   planted_dll_test.sh SETUP_EXE SETUP_WITH_X64_STUB WORK_PARENT
# Runs in the installer tests' prefix (WINEPREFIX), in a Downloads folder
# under WORK_PARENT, which Wine sees on drive Z:. Where Wine runs no 32-bit
# programs, scripts/package made the same installer with a 64-bit stub: that
# one then, with 64-bit DLLs.
set -u
setup="$1"
compiler=i686-w64-mingw32-gcc
if [ -f "$2" ]; then
    setup="$2"
    compiler=x86_64-w64-mingw32-gcc
fi
downloads="$(mktemp -d -p "$3" planted-dlls.XXXXXX)"
trap 'rm -rf "$downloads"' EXIT
here="$(cd "$(dirname "$0")" && pwd)"

# The DLLs the installer's stub looks for by name while it runs (it loads
# them from the system folder only) and that Windows does not protect as
# Known DLLs. Left out: version, shlwapi and uxtheme, which Wine's own system
# DLLs load by bare name while the process starts, before any code of the
# installer runs (on Windows its imports are Known DLLs, and it loads these
# three from the system folder itself).
names=(userenv setupapi apphelp propsys dwmapi cryptbase oleacc clbcatq ntmarta shfolder riched20 msftedit)
"$compiler" -O2 -shared -s -o "$downloads/planted.dll" "$here/planted_dll.c" || exit 1
"$compiler" -O2 -mwindows -s -o "$downloads/loader.exe" "$here/planted_dll_loader.c" || exit 1
for name in "${names[@]}"; do cp "$downloads/planted.dll" "$downloads/$name.dll"; done
rm "$downloads/planted.dll"
cp "$setup" "$downloads/"
overrides="$(IFS=,; echo "${names[*]}")=n,b"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}$overrides"
failures=0

(cd "$downloads" && timeout 60 wine loader.exe </dev/null >/dev/null 2>&1)
if [ -f "$downloads/userenv.dll.loaded" ]; then
    echo "ok: a program that searches the standard way loads the planted userenv.dll"
else
    echo "FAILED: the control program did not load the planted userenv.dll: the test cannot see a planted DLL"
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
