#include "countdown/remaining_time.h"

std::uint32_t RemainingSeconds(std::int32_t delaySeconds, std::uint32_t startTick, std::uint32_t now)
{
    if (delaySeconds <= 0) {
        return 0;
    }
    const std::uint32_t elapsedSeconds = (now - startTick) / 1000u;
    const auto delay = static_cast<std::uint32_t>(delaySeconds);
    // A display tick that comes after the delay but before the expiry has been
    // handled would otherwise show a wrapped, enormous number of hours.
    return elapsedSeconds >= delay ? 0 : delay - elapsedSeconds;
}

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
