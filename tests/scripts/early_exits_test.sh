#!/usr/bin/env bash
# scripts/early-exits on the output of made-up ctest runs: which failed tests
# count as a Wine process that ended before its first line ran.
#   early_exits_test.sh SCRIPTS_FOLDER
set -u
early_exits="$1/early-exits"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
marker='[ STARTED  ] test process'

# section NAME COMMAND OUTPUT...: one test's part of LastTest.log, failed
# unless RESULT=Passed.
section() {
    local name="$1" command="$2"
    shift 2
    printf '1/9 Testing: %s\n1/9 Test: %s\nCommand: %s\nDirectory: /build/tests\n' "$name" "$name" "$command"
    printf '"%s" start time: Dec 08 00:05 UTC\nOutput:\n%s\n' "$name" "----------------------------------------------------------"
    local line
    for line in "$@"; do printf '%s\n' "$line"; done
    printf '<end of output>\nTest time =   0.03 sec\n%s\nTest %s.\n\n' "----------------------------------------------------------" \
        "${RESULT:-Failed}"
}
gtest_command() {
    printf '"/src/cmake/wine-run.sh" "/build/bin/tolvrin_tests.exe" "--gtest_filter=%s" "--gtest_also_run_disabled_tests"' "$1"
}
# console NAME (STATUS)...: ctest's list of failed tests.
console() {
    printf '90%% tests passed, %d tests failed out of 9\n\nThe following tests FAILED:\n' "$#"
    local entry number=1
    for entry in "$@"; do printf '\t%3d - %s\n' "$number" "$entry"; number=$((number + 1)); done
    printf 'Errors while running CTest\n'
}

# check DESCRIPTION EXPECTED_STATUS EXPECTED_OUTPUT: runs early-exits on
# $work/console and $work/log.
check() {
    local output status=0
    output=$("$early_exits" "$work/console" "$work/log" 2>&1) || status=$?
    if [ "$status" -eq "$2" ] && [ "$output" = "$3" ]; then
        echo "ok: $1"
    else
        echo "FAILED: $1 (status $status, output:"
        printf '%s\n' "$output"
        echo ")"
        failures=$((failures + 1))
    fi
}

{
    RESULT=Passed section A.Passes "$(gtest_command A.Passes)" "$marker" "[  PASSED  ] 1 test."
    section B.NoOutput "$(gtest_command B.NoOutput)"
} >"$work/log"
console "B.NoOutput (Failed)" >"$work/console"
check "a test executable that wrote nothing ended before its first line" 0 "early-exit B.NoOutput"

console "B.NoOutput (SEGFAULT)" >"$work/console"
check "so did one that died of a signal before it" 0 "early-exit B.NoOutput"

section C.Wine "$(gtest_command C.Wine)" "wine: could not load kernel32.dll, status c0000135" >"$work/log"
console "C.Wine (Failed)" >"$work/console"
check "so did one where only Wine wrote something" 0 "early-exit C.Wine"

section D.Fails "$(gtest_command D.Fails)" "$marker" "[  FAILED  ] D.Fails" >"$work/log"
console "D.Fails (Failed)" >"$work/console"
check "a test that started and failed is a failure" 1 "failed D.Fails (Failed)"

section E.Crashes "$(gtest_command E.Crashes)" "$marker" >"$work/log"
console "E.Crashes (SEGFAULT)" >"$work/console"
check "a test that started and crashed is a failure" 1 "failed E.Crashes (SEGFAULT)"

section F.Hangs "$(gtest_command F.Hangs)" >"$work/log"
console "F.Hangs (Timeout)" >"$work/console"
check "a test that timed out did not end at once: a failure" 1 "failed F.Hangs (Timeout)"

section G.Script '"/usr/bin/sh" "/src/tests/e2e/power_calls_test.sh"' >"$work/log"
console "G.Script (Failed)" >"$work/console"
check "a test that is no test executable has no start line to miss: a failure" 1 "failed G.Script (Failed)"

{
    section B.NoOutput "$(gtest_command B.NoOutput)"
    section D.Fails "$(gtest_command D.Fails)" "$marker" "[  FAILED  ] D.Fails"
} >"$work/log"
console "B.NoOutput (Failed)" "D.Fails (Failed)" >"$work/console"
check "one real failure beside an early exit fails the run" 1 "early-exit B.NoOutput
failed D.Fails (Failed)"

section B.NoOutput "$(gtest_command B.NoOutput)" >"$work/log"
printf 'ctest was ended before its summary\n' >"$work/console"
check "without ctest's list of failed tests nothing is sorted" 2 ""

{
    RESULT=Passed section A.Passes "$(gtest_command A.Passes)" "$marker" "[  PASSED  ] 1 test."
    RESULT=Passed section H.Quiet "$(gtest_command H.Quiet)"
    RESULT=Passed section I.Script '"/usr/bin/sh" "/src/tests/e2e/power_calls_test.sh"'
} >"$work/log"
printf '100%% tests passed, 0 tests failed out of 3\n' >"$work/console"
check "a test executable that ended quietly with exit code 0 ran nothing" 0 "early-exit H.Quiet"

RESULT=Passed section A.Passes "$(gtest_command A.Passes)" "$marker" "[  PASSED  ] 1 test." >"$work/log"
check "a run where every test started has nothing to report" 2 ""

section 'Shipped/ShippedLanguageTest.Texts/Japanese' "$(gtest_command 'Shipped/ShippedLanguageTest.Texts/Japanese')" \
    >"$work/log"
console "Shipped/ShippedLanguageTest.Texts/Japanese (Failed)" >"$work/console"
check "a parameterised test's name is read whole" 0 "early-exit Shipped/ShippedLanguageTest.Texts/Japanese"

passed=$((12 - failures))
echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
