# The shell tests' checks, sourced: `check DESCRIPTION CONDITION` evaluates
# CONDITION and prints one line for it; `finish_checks` prints the closing
# line ("N passed, N failed") that the test's output ends with, and fails
# when any check did. `fail_check DESCRIPTION` counts a failure found another
# way.
passed=0
failures=0

check() {
    if eval "$2"; then
        echo "ok: $1"
        passed=$((passed + 1))
    else
        fail_check "$1"
    fi
}

fail_check() {
    echo "FAILED: $1"
    failures=$((failures + 1))
}

finish_checks() {
    echo "$passed passed, $failures failed"
    [ "$failures" -eq 0 ]
}
