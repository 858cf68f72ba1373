#include "gamma.h"

#include <cmath>

namespace skin {

float NormalizeGamma(float gamma)
{
    if (!std::isfinite(gamma)) {
        return 0.0f;
    }
    return gamma < -1.0f ? -1.0f : (gamma > 1.0f ? 1.0f : gamma);
}

BYTE ApplyGammaToChannel(BYTE channel, float gamma)
{
    const float g = NormalizeGamma(gamma);
    if (g == 0.0f) {
        return channel;
    }
    const double exponent = std::pow(4.0, -static_cast<double>(g));
    const double value = 255.0 * std::pow(channel / 255.0, exponent);
    return static_cast<BYTE>(std::lround(value < 0.0 ? 0.0 : (value > 255.0 ? 255.0 : value)));
}

COLORREF ApplyGamma(COLORREF colour, float gamma)
{
    return RGB(ApplyGammaToChannel(GetRValue(colour), gamma), ApplyGammaToChannel(GetGValue(colour), gamma),
               ApplyGammaToChannel(GetBValue(colour), gamma));
}

std::array<BYTE, 256> GammaTable(float gamma)
{
    std::array<BYTE, 256> table{};
    for (int c = 0; c < 256; ++c) {
        table[c] = ApplyGammaToChannel(static_cast<BYTE>(c), gamma);
    }
    return table;
}

}  // namespace skin
