// Numbers as XML Schema writes them (its decimal and float forms without
// INF and NaN): "1.5", "-2", ".5e1", "3.", "+1E-2". Read the same in every
// locale, with no library: a decimal comma is not a number here.
#pragma once

#include <optional>
#include <string_view>

// The value of `text`, or nothing when it is not such a number. Infinite
// when the exponent is beyond a double's range.
std::optional<double> XmlNumberValue(std::wstring_view text);
