#include "skin_resources.h"

#include "base/window_dc.h"
#include "gamma.h"
#include "picture_file.h"

namespace skin {
namespace {

// The picture as a DIB section, so that gamma can change its pixels in place.
// Pictures of 24 or 32 bits per pixel follow gamma; palette pictures stay.
HBITMAP LoadPicture(const WideString& path, float gamma)
{
    HBITMAP picture = LoadPictureFile(path.c_str());
    DIBSECTION section{};
    if (picture == nullptr || gamma == 0.0f || ::GetObjectA(picture, sizeof section, &section) != sizeof section ||
        section.dsBm.bmBits == nullptr) {
        return picture;
    }
    const int bytesPerPixel = section.dsBm.bmBitsPixel / 8;
    if (section.dsBm.bmBitsPixel != 24 && section.dsBm.bmBitsPixel != 32) {
        return picture;
    }
    ::GdiFlush();  // GDI may still be writing into the section
    const auto table = GammaTable(gamma);
    auto* rows = static_cast<BYTE*>(section.dsBm.bmBits);
    for (LONG y = 0; y < section.dsBm.bmHeight; ++y) {
        BYTE* pixel = rows + static_cast<size_t>(y) * section.dsBm.bmWidthBytes;
        for (LONG x = 0; x < section.dsBm.bmWidth; ++x, pixel += bytesPerPixel) {
            pixel[0] = table[pixel[0]];
            pixel[1] = table[pixel[1]];
            pixel[2] = table[pixel[2]];
        }
    }
    return picture;
}

// Fonts follow the system DPI: the point size becomes pixels at the screen's
// LOGPIXELSY, as dialog templates do.
HFONT MakeFont(const SkinDesign& design, HFONT windowFont)
{
    if (design.fontFace[0] == L'\0' && design.fontPoints == 0) {
        return nullptr;
    }
    LOGFONTW logFont{};
    if (windowFont == nullptr || ::GetObjectW(windowFont, sizeof logFont, &logFont) != sizeof logFont) {
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof logFont, &logFont);
    }
    if (design.fontFace[0] != L'\0') {
        ::lstrcpynW(logFont.lfFaceName, design.fontFace, LF_FACESIZE);
        logFont.lfCharSet = DEFAULT_CHARSET;
    }
    const LOGFONTW windowLogFont = logFont;
    if (design.fontPoints != 0) {
        const base::WindowDc screen = base::WindowDc::Client(nullptr);
        const int dpi = screen ? ::GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
        logFont.lfHeight = -::MulDiv(design.fontPoints, dpi, 72);
        logFont.lfWidth = 0;
    }
    // The skin asks for the font the window has: lending it to every control
    // would only cost time (combo boxes lay themselves out anew).
    if (logFont.lfHeight == windowLogFont.lfHeight &&
        ::lstrcmpiW(logFont.lfFaceName, windowLogFont.lfFaceName) == 0) {
        return nullptr;
    }
    return ::CreateFontIndirectW(&logFont);
}

}  // namespace

Palette MakePalette(const SkinDesign& design, float gamma)
{
    return Palette{ApplyGamma(design.background, gamma), ApplyGamma(design.text, gamma),
                   ApplyGamma(design.buttonFace, gamma), ApplyGamma(design.buttonText, gamma),
                   ApplyGamma(design.hot, gamma),        ApplyGamma(design.pressed, gamma),
                   ApplyGamma(design.border, gamma),     ApplyGamma(design.accent, gamma),
                   ApplyGamma(design.field, gamma),      ApplyGamma(design.fieldText, gamma),
                   ApplyGamma(design.heading, gamma),    ApplyGamma(design.information, gamma)};
}

HBITMAP LoadSkinPicture(const SkinDesign& design, float gamma)
{
    return LoadPicture(design.backgroundImage, gamma);
}

SkinResources::SkinResources(const SkinDesign& design, float gamma, HFONT windowFont, HBITMAP picture)
    : palette_(MakePalette(design, gamma)),
      background_(::CreateSolidBrush(palette_.background)),
      field_(::CreateSolidBrush(palette_.field)),
      buttonFace_(::CreateSolidBrush(palette_.buttonFace)),
      pictureBrush_(picture != nullptr ? ::CreatePatternBrush(picture) : nullptr),
      font_(MakeFont(design, windowFont))
{
}

}  // namespace skin
