#include "countdown/announcement_throttle.h"

bool IsAnnouncementDue(std::optional<std::uint32_t> lastAnnouncedMs, std::uint32_t nowMs)
{
    return !lastAnnouncedMs.has_value() || nowMs - *lastAnnouncedMs >= kAnnouncementIntervalMs;
}
