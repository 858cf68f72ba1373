#!/bin/sh
# Which power call the real executable makes at the end of a run, read from
# Wine's relay log of the program's own calls into the system. Wine writes
# that log to the Unix standard error of the process, so this test runs the
# program from the shell rather than from a Windows test executable.
#   power_calls_test.sh WINE_RUN_WRAPPER PROGRAM.EXE
set -u
wrapper="$1"
program="$2"
. "$(dirname "$0")/../support/checks.sh"
. "$(dirname "$0")/../support/wine_log.sh"

log_relay_of 'user32.ExitWindowsEx;kernel32.SetSystemPowerState;advapi32.OpenProcessToken'
run_logged +relay 0,1,
check "standby ends with exit code 1 (got $code)" '[ $code -eq 1 ]'
check "standby calls SetSystemPowerState(TRUE, TRUE) once" \
    '[ "$(grep -c "Call KERNEL32.SetSystemPowerState(00000001,00000001)" "$log")" -eq 1 ]'
check "standby enables the privilege first" 'grep -q "Call advapi32.OpenProcessToken(" "$log"'
check "standby makes no ExitWindowsEx call" '! grep -q "ExitWindowsEx(" "$log"'

finish_checks
