#include "countdown/remaining_time.h"

RemainingTime SplitRemaining(std::uint32_t remainingSeconds)
{
    const std::uint32_t minutesTotal = remainingSeconds / 60;
    RemainingTime time;
    time.hours = minutesTotal / 60;
    time.minutes = minutesTotal % 60;
    time.seconds = remainingSeconds % 60;
    return time;
}

bool IsInLastSeconds(std::uint32_t remainingSeconds)
{
    return remainingSeconds <= kLastSeconds;
}
