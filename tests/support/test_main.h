// The line every test executable writes first (support/test_main.cpp), and
// scripts/early-exits looks for in the output of a test that failed.
#pragma once

#define TOLVRIN_TEST_START_MARKER "[ STARTED  ] test process"
