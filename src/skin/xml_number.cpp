#include "skin/xml_number.h"

#include <cstdint>

namespace {

bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

// 10^exponent times `value`, exponent from -999 to 999, in extended
// precision: one rounding of each factor of a product of exact powers.
long double Scaled(long double value, int exponent)
{
    constexpr long double kPowers[] = {1e1L, 1e2L, 1e4L, 1e8L, 1e16L, 1e32L, 1e64L, 1e128L, 1e256L, 1e512L};
    const bool divide = exponent < 0;
    unsigned magnitude = static_cast<unsigned>(divide ? -exponent : exponent);
    long double factor = 1.0L;
    for (int bit = 0; magnitude != 0 && bit < 10; ++bit, magnitude >>= 1) {
        if ((magnitude & 1u) != 0) {
            factor *= kPowers[bit];
        }
    }
    return divide ? value / factor : value * factor;
}

}  // namespace

std::optional<double> XmlNumberValue(std::wstring_view text)
{
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == L'-';
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        ++i;
    }
    // Up to 19 significant digits exactly; those beyond only move the point.
    std::uint64_t mantissa = 0;
    int significant = 0;
    int exponent = 0;
    std::size_t digits = 0;
    bool fraction = false;
    for (; i < text.size(); ++i) {
        if (text[i] == L'.' && !fraction) {
            fraction = true;
            continue;
        }
        if (!IsDigit(text[i])) {
            break;
        }
        ++digits;
        if (mantissa == 0 && text[i] == L'0') {
            exponent -= fraction ? 1 : 0;
        } else if (significant < 19) {
            mantissa = mantissa * 10 + static_cast<unsigned>(text[i] - L'0');
            ++significant;
            exponent -= fraction ? 1 : 0;
        } else {
            exponent += fraction ? 0 : 1;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        ++i;
        const bool negativeExponent = i < text.size() && text[i] == L'-';
        if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
            ++i;
        }
        const std::size_t start = i;
        int written = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            // Beyond 99999 the value is 0 or infinite whatever the digits.
            written = written < 100000 ? written * 10 + (text[i] - L'0') : written;
        }
        if (i == start) {
            return std::nullopt;
        }
        exponent += negativeExponent ? -written : written;
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    double value = 0.0;
    if (mantissa != 0) {
        constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                           1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
        if (mantissa <= (std::uint64_t{1} << 53) && exponent >= -22 && exponent <= 22) {
            // Both factors exact in a double: one correctly rounded step.
            const double exact = static_cast<double>(mantissa);
            value = exponent < 0 ? exact / kExactPowers[-exponent] : exact * kExactPowers[exponent];
        } else if (exponent > 400) {
            value = 1e308 * 10.0;  // infinite
        } else if (exponent < -420) {
            value = 0.0;
        } else {
            value = static_cast<double>(Scaled(static_cast<long double>(mantissa), exponent));
        }
    }
    return negative ? -value : value;
}
