// Table-driven checks of a function: rows of what goes in, what must come
// out and why, each row reported on its own when it fails.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

namespace test_support {

template <typename Input, typename Expected>
struct Case {
    Input input;
    Expected expected;
    const char* why = "";
};

// EXPECT_EQ(function(row.input), row.expected) for every row. Several
// arguments go in as one aggregate (a std::pair, a small struct) that the
// function takes apart.
template <typename Input, typename Expected, typename Function>
void ExpectEachCase(const Function& function, std::initializer_list<Case<Input, Expected>> cases)
{
    int row = 0;
    for (const Case<Input, Expected>& c : cases) {
        EXPECT_EQ(function(c.input), c.expected) << "row " << row << ": " << c.why;
        ++row;
    }
}

}  // namespace test_support
