#!/bin/sh
# Which power call the real executable makes at the end of a run, read from
# Wine's relay log of the program's own calls into the system. Wine writes
# that log to the Unix standard error of the process, so this test runs the
# program from the shell rather than from a Windows test executable.
#   power_calls_test.sh WINE_RUN_WRAPPER PROGRAM.EXE
set -u
wrapper="$1"
program="$2"
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
. "$(dirname "$0")/../support/checks.sh"

# Log only the calls of interest: without a filter the log grows by about a
# million lines a second.
"$wrapper" reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /t REG_SZ \
    /d 'user32.ExitWindowsEx;kernel32.SetSystemPowerState;advapi32.OpenProcessToken' /f >/dev/null 2>&1

run() {
    WINEDEBUG=+relay "$wrapper" "$program" "$1" 2>"$log" >/dev/null
}

run 0,1,
code=$?
check "standby ends with exit code 1 (got $code)" '[ $code -eq 1 ]'
check "standby calls SetSystemPowerState(TRUE, TRUE) once" \
    '[ "$(grep -c "Call KERNEL32.SetSystemPowerState(00000001,00000001)" "$log")" -eq 1 ]'
check "standby enables the privilege first" 'grep -q "Call advapi32.OpenProcessToken(" "$log"'
check "standby makes no ExitWindowsEx call" '! grep -q "ExitWindowsEx(" "$log"'

finish_checks
