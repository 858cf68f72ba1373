// How often the countdown's text is announced to screen readers: a reader
// speaks the whole text at each announcement, and the text changes twice a
// second, so announcing every change would leave it no pause.
#pragma once

#include <cstdint>
#include <optional>

inline constexpr std::uint32_t kAnnouncementIntervalMs = 5000;

// Whether an announcement at `nowMs` (a millisecond count) comes at least the
// interval after the last one; the first is always due. Counted in unsigned
// 32 bits, so a wrap of the millisecond counter between the two does no harm.
bool IsAnnouncementDue(std::optional<std::uint32_t> lastAnnouncedMs, std::uint32_t nowMs);
