// The GDI objects one skin needs on one window: brushes in the skin's colours
// after gamma, the background picture and the font. Made together, deleted
// together.
#pragma once

#include <windows.h>

#include "skin_file.h"
#include "ui/unique_handle.h"

namespace skin {

using UniqueBrush = ui::UniqueHandle<ui::GdiObjectTraits<HBRUSH>>;
using UniqueBitmap = ui::UniqueHandle<ui::GdiObjectTraits<HBITMAP>>;

// The skin's colours with gamma applied.
struct Palette {
    COLORREF background, text, buttonFace, buttonText, hot, pressed, border, accent, field, fieldText;
};

Palette MakePalette(const SkinDesign& design, float gamma);

class SkinResources {
public:
    // `windowFont` is the font the window had before the skin: the skin's
    // font takes its face or size from it where the skin gives none.
    SkinResources(const SkinDesign& design, float gamma, HFONT windowFont);
    SkinResources(const SkinResources&) = delete;
    SkinResources& operator=(const SkinResources&) = delete;

    const Palette& Colours() const { return palette_; }
    // The background: the picture tiled as a pattern brush, or the colour.
    HBRUSH Background() const { return picture_ ? pictureBrush_.Get() : background_.Get(); }
    HBRUSH Field() const { return field_.Get(); }
    HBRUSH ButtonFace() const { return buttonFace_.Get(); }
    // Null when the skin keeps the window's font.
    HFONT Font() const { return font_.Get(); }

private:
    Palette palette_;
    UniqueBrush background_;
    UniqueBrush field_;
    UniqueBrush buttonFace_;
    UniqueBitmap picture_;
    UniqueBrush pictureBrush_;
    ui::UniqueFont font_;
};

}  // namespace skin
