// The skin's gamma: one number in [-1, 1] that lightens (positive) or darkens
// (negative) every colour of a skin, its background picture included. 0 leaves
// the colours as they are; black and white stay black and white.
#pragma once

#include <windows.h>

#include <array>

namespace skin {

// Clamped to [-1, 1]; NaN and infinities count as 0.
float NormalizeGamma(float gamma);

// One 8-bit channel through the curve 255 * (c / 255) ^ (4 ^ -gamma).
BYTE ApplyGammaToChannel(BYTE channel, float gamma);
COLORREF ApplyGamma(COLORREF colour, float gamma);

// The curve as a table, for the pixels of a picture.
std::array<BYTE, 256> GammaTable(float gamma);

}  // namespace skin
