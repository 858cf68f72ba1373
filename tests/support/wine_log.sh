# For the shell tests that read Wine's debug log of the real program, sourced
# after `wrapper` (the Wine run wrapper) and `program` (the executable) are
# set. Wine writes that log to the process's Unix standard error, which a
# Windows test executable cannot read: hence tests in the shell.
# `run_logged CHANNELS ARGUMENTS` runs the program with WINEDEBUG=CHANNELS,
# its log into "$log" and its exit code into `code`; `log_relay_of
# FUNCTIONS` keeps the relay log to those functions (";"-separated): without
# a filter it grows by about a million lines a second.
log="$(mktemp)"
trap 'rm -f "$log"' EXIT

log_relay_of() {
    "$wrapper" reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /t REG_SZ /d "$1" /f >/dev/null 2>&1
}

run_logged() {
    code=0
    WINEDEBUG="$1" "$wrapper" "$program" "$2" 2>"$log" >/dev/null || code=$?
}
