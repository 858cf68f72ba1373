// The remaining time of the countdown split into hours, minutes and seconds
// for the display, and when the window comes into view by itself.
#pragma once

#include <cstdint>

struct RemainingTime {
    std::uint32_t hours = 0;  // not limited to 24
    std::uint32_t minutes = 0;
    std::uint32_t seconds = 0;
};

RemainingTime SplitRemaining(std::uint32_t remainingSeconds);

// The window comes into view by itself during this many last seconds.
constexpr std::uint32_t kLastSeconds = 15;

bool IsInLastSeconds(std::uint32_t remainingSeconds);
