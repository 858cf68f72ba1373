// The delay of a run chosen in the parameters dialog's hour, minute and second
// lists.
#pragma once

#include <cstdint>
#include <string>

// hours * 3600 + minutes * 60 + seconds, each field read as a decimal number
// (atol rules; empty or non-numeric gives 0). A sum beyond the signed 32-bit
// range saturates instead of wrapping round to a different delay.
std::int32_t DelayFromFields(const std::string& hours, const std::string& minutes,
                             const std::string& seconds);
