// The countdown's arithmetic: how much of the delay is left at a given tick,
// and that time split into hours, minutes and seconds for the display.
#pragma once

#include <cstdint>

// Seconds left of a delay that started at `startTick` (timeGetTime
// milliseconds). The elapsed time is taken in unsigned 32 bits, so a wrap of
// the millisecond counter during the run does no harm; elapsed seconds round
// down, so the full delay shows during the first second. Once the delay has
// passed (or for a delay of 0 or less) the result is 0.
std::uint32_t RemainingSeconds(std::int32_t delaySeconds, std::uint32_t startTick, std::uint32_t now);

struct RemainingTime {
    std::uint32_t hours = 0;  // not limited to 24
    std::uint32_t minutes = 0;
    std::uint32_t seconds = 0;
};

RemainingTime SplitRemaining(std::uint32_t remainingSeconds);

// The window comes into view by itself during this many last seconds.
constexpr std::uint32_t kLastSeconds = 15;

bool IsInLastSeconds(std::uint32_t remainingSeconds);
