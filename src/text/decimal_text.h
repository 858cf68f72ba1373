// Numbers typed by the user (command line, delay fields) read as text.
#pragma once

#include <cstdint>
#include <string>

// A token read as atol does (leading white space, one optional sign, digits up
// to the first non-digit; no digits gives 0), except that values beyond the
// signed 32-bit range saturate to INT32_MIN / INT32_MAX instead of wrapping.
std::int32_t ReadDecimal(const std::string& token);

// True when the token is one or more ASCII digits and nothing else: no white
// space, sign, unit, hex prefix, exponent or quote. The command line takes
// only such numbers, so that a typing error never counts as a number.
bool IsPlainDigits(const std::string& token);
