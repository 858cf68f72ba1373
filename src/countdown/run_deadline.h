// When a run ends, on the millisecond clock (timeGetTime, which goes on while
// the machine sleeps), and what a wake-up does to it: a deadline that passed
// while the machine slept gives the user 15 more seconds instead of acting
// the moment the machine wakes; a deadline still ahead keeps its time. Nor
// does a slow start of the window (a skin on a slow share) eat the warning:
// once the window is ready, at least the shorter of the delay and 15 seconds
// are left.
#pragma once

#include <cstdint>

#include "countdown/remaining_time.h"

class RunDeadline {
public:
    static constexpr std::uint32_t kGraceAfterSleepMs = 15000;
    // The last seconds, with the window in view, that a run always shows
    // (all of a shorter delay).
    static constexpr std::uint32_t kLeastShownMs = kLastSeconds * 1000u;

    // What the window does about a wake-up notice or the expiry timer.
    enum class Decision {
        Expire,     // carry out the action now
        KeepTime,   // the deadline lies ahead: re-arm the timer for what is left
        Postponed,  // the deadline passed in sleep: 15 s more, window shown
    };

    RunDeadline() = default;
    RunDeadline(std::uint32_t startMs, std::uint32_t delaySeconds);

    // The window, its icon and its timers are ready: the delay began at
    // `startMs` and counts on, but when the window took so long that less
    // than the shorter of the delay and kLeastShownMs is left, that much is
    // left from `readyMs` instead.
    void OnWindowReady(std::uint32_t readyMs);

    std::uint32_t RemainingMs(std::uint32_t nowMs) const;
    // Rounded up, like the display: the full delay shows during the first
    // second, 0 only once the deadline has come.
    std::uint32_t RemainingSeconds(std::uint32_t nowMs) const;

    // PBT_APMSUSPEND: the machine is going to sleep. The first of the resume
    // notice and the expiry timer after it decides.
    void OnSuspend() { asleep_ = true; }
    // PBT_APMRESUMEAUTOMATIC or PBT_APMRESUMESUSPEND (either may come alone
    // or both, in either order, and before or after the expiry timer).
    Decision OnResume(std::uint32_t nowMs);
    // The expiry timer. Never Expire before the deadline, and not while a
    // sleep noted before has not been decided on.
    Decision OnExpiryTimer(std::uint32_t nowMs);

private:
    bool HasPassed(std::uint32_t nowMs) const { return RemainingMs(nowMs) == 0; }
    Decision Postpone(std::uint32_t nowMs);

    std::uint32_t deadlineMs_ = 0;
    std::uint32_t delayMs_ = 0;
    bool asleep_ = false;
};
