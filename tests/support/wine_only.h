// End-to-end tests that let the real program's countdown expire: its power
// call is real. Under Wine it never reaches the machine (SetSystemPowerState
// is a stub); on Windows action 0 would suspend the computer running the tests.
#pragma once

#include <gtest/gtest.h>

namespace test_support {

// True under Wine, whose ntdll exports wine_get_version.
bool IsRunningUnderWine();

}  // namespace test_support

// The first statement of such a test.
#define SKIP_UNLESS_UNDER_WINE()                                                                         \
    if (!test_support::IsRunningUnderWine())                                                             \
    GTEST_SKIP() << "lets the real program carry out its power action: runs only under Wine, where the " \
                    "call never reaches the machine"
