#include "countdown/run_deadline.h"

#include <algorithm>

RunDeadline::RunDeadline(std::uint32_t startMs, std::uint32_t delaySeconds)
    : deadlineMs_(startMs + delaySeconds * 1000u), delayMs_(delaySeconds * 1000u)
{
}

void RunDeadline::OnWindowReady(std::uint32_t readyMs)
{
    const std::uint32_t leastMs = std::min(delayMs_, kLeastShownMs);
    if (RemainingMs(readyMs) < leastMs) {
        deadlineMs_ = readyMs + leastMs;
    }
}

std::uint32_t RunDeadline::RemainingMs(std::uint32_t nowMs) const
{
    // Signed difference: correct across a wrap of the 32-bit counter, for
    // deadlines less than 24 days away (the longest delay is 2147483 s).
    const auto left = static_cast<std::int32_t>(deadlineMs_ - nowMs);
    return left > 0 ? static_cast<std::uint32_t>(left) : 0;
}

std::uint32_t RunDeadline::RemainingSeconds(std::uint32_t nowMs) const
{
    const std::uint32_t ms = RemainingMs(nowMs);
    return ms / 1000u + (ms % 1000u != 0 ? 1u : 0u);
}

RunDeadline::Decision RunDeadline::OnResume(std::uint32_t nowMs)
{
    // A resume notice without a suspend notice before it (missed, or the
    // second of the two) still must not let a passed deadline act at once.
    asleep_ = false;
    return HasPassed(nowMs) ? Postpone(nowMs) : Decision::KeepTime;
}

RunDeadline::Decision RunDeadline::OnExpiryTimer(std::uint32_t nowMs)
{
    if (!HasPassed(nowMs)) {
        return Decision::KeepTime;
    }
    if (asleep_) {
        // The timer came first after waking, before the resume notice.
        asleep_ = false;
        return Postpone(nowMs);
    }
    return Decision::Expire;
}

RunDeadline::Decision RunDeadline::Postpone(std::uint32_t nowMs)
{
    deadlineMs_ = nowMs + kGraceAfterSleepMs;
    return Decision::Postponed;
}
