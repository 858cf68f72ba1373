// The GDI objects one skin needs on one window: brushes in the skin's colours
// after gamma and the font, made together and deleted together; and the
// background picture after gamma, which the window keeps apart (it is the
// costly one to make).
#pragma once

#include <windows.h>

#include "base/unique_handle.h"
#include "skin_file.h"

namespace skin {

using base::UniqueBitmap;
using base::UniqueBrush;

// The skin's colours with gamma applied.
struct Palette {
    COLORREF background, text, buttonFace, buttonText, hot, pressed, border, accent, field, fieldText;
    COLORREF heading, information;
};

Palette MakePalette(const SkinDesign& design, float gamma);

// The skin's picture as a DIB section with gamma applied to its pixels (24 and
// 32 bits per pixel; palette pictures stay as they are). Null when the skin
// has none or it cannot be loaded.
HBITMAP LoadSkinPicture(const SkinDesign& design, float gamma);

class SkinResources {
public:
    // `windowFont` is the font the window had before the skin: the skin's
    // font takes its face or size from it where the skin gives none.
    // `picture` (from LoadSkinPicture, may be null) is tiled as the
    // background; it must outlive these resources.
    SkinResources(const SkinDesign& design, float gamma, HFONT windowFont, HBITMAP picture);
    SkinResources(const SkinResources&) = delete;
    SkinResources& operator=(const SkinResources&) = delete;

    const Palette& Colours() const { return palette_; }
    // The background: the picture tiled as a pattern brush, or the colour.
    HBRUSH Background() const { return pictureBrush_ ? pictureBrush_.Get() : background_.Get(); }
    HBRUSH Field() const { return field_.Get(); }
    HBRUSH ButtonFace() const { return buttonFace_.Get(); }
    // Null when the skin keeps the window's font.
    HFONT Font() const { return font_.Get(); }

private:
    Palette palette_;
    UniqueBrush background_;
    UniqueBrush field_;
    UniqueBrush buttonFace_;
    UniqueBrush pictureBrush_;
    base::UniqueFont font_;
};

}  // namespace skin
