#!/bin/sh
# The libraries a skinned run of the real executable loads at any moment,
# read from Wine's +loaddll log (written to the process's Unix standard
# error, so this test runs the program from the shell): common.xml is read
# by the pull parser, never by the DOM component with the URL and network
# libraries that it brings.
#   loaded_dlls_test.sh WINE_RUN_WRAPPER PROGRAM.EXE
# The program's folder holds the skin engine and the shipped common.xml.
set -u
wrapper="$1"
program="$2"
. "$(dirname "$0")/../support/checks.sh"
. "$(dirname "$0")/../support/wine_log.sh"

# Stand by after a second: the countdown window, skinned, shows at once.
run_logged +loaddll 0,1,
loaded() {
    grep -i "Loaded L\".*\\\\$1\"" "$log" >/dev/null
}
check "the run ends with exit code 1 (got $code)" '[ $code -eq 1 ]'
check "the skin engine is loaded" 'loaded TolvrinSkin.dll'
check "common.xml is read by xmllite" 'loaded xmllite.dll'
for dll in msxml3.dll msxml6.dll urlmon.dll wininet.dll; do
    check "no $dll" "! loaded $dll"
done

finish_checks
