#!/bin/sh
# The DLLs that the executable and the skin engine import statically: only
# libraries that Windows always takes from the system folder (known DLLs),
# and comctl32, which the manifest takes from the side-by-side store. Any
# other import would be looked for in the program's own folder first, where
# a planted DLL of that name would run inside the program.
#   import_tables_test.sh OBJDUMP BINARY...
set -u
objdump="$1"
shift
allowed=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll imm32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll "
failures=0
for binary in "$@"; do
    imports="$("$objdump" -p "$binary" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')"
    if [ -z "$imports" ]; then
        echo "FAILED: no import table read from $binary"
        failures=$((failures + 1))
        continue
    fi
    for dll in $imports; do
        case "$allowed" in
        *" $dll "*) ;;
        *)
            echo "FAILED: $(basename "$binary") imports $dll, which Windows may take from the program's folder"
            failures=$((failures + 1))
            ;;
        esac
    done
    echo "checked $(basename "$binary"): $(echo $imports)"
done
[ "$failures" -eq 0 ]
