#include "countdown/announcement_throttle.h"

#include <gtest/gtest.h>

#include <utility>

#include "support/case_table.h"

namespace {

using Moments = std::pair<std::optional<std::uint32_t>, std::uint32_t>;

TEST(AnnouncementThrottle, AllowsOneAnnouncementInFiveSeconds)
{
    test_support::ExpectEachCase<Moments, bool>(
        [](const Moments& m) { return IsAnnouncementDue(m.first, m.second); },
        {
            {{std::nullopt, 0}, true, "the first announcement"},
            {{std::nullopt, 0xFFFFFFFFu}, true, "the first, at any count"},
            {{1000, 1000}, false, "twice at the same moment"},
            {{1000, 5999}, false, "a millisecond early"},
            {{1000, 6000}, true, "five seconds on"},
            {{1000, 60000}, true, "long after"},
            {{0xFFFFF000u, 0x00000387u}, false, "across the counter's wrap, 4999 ms on"},
            {{0xFFFFF000u, 0x00000388u}, true, "across the counter's wrap, 5000 ms on"},
        });
}

}  // namespace
