#include "dialogs/delay_fields.h"

#include "text/decimal_text.h"

#include <algorithm>
#include <limits>

std::int32_t DelayFromFields(const std::string& hours, const std::string& minutes,
                             const std::string& seconds)
{
    // Each field is at most 2^31 in magnitude, so the sum fits in 64 bits.
    const std::int64_t total = std::int64_t{ReadDecimal(hours)} * 3600 +
                               std::int64_t{ReadDecimal(minutes)} * 60 + ReadDecimal(seconds);
    const std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    const std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(total, lowest, highest));
}
