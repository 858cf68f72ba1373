// Small drawing steps that the engine's control painters share.
#pragma once

#include <windows.h>

namespace skin {

// Half of each colour: a disabled control's text on its face.
COLORREF Blend(COLORREF a, COLORREF b);

// Fills `rect` in `colour` (ExtTextOut with ETO_OPAQUE: no brush to make
// and delete). Leaves the DC's background colour at `colour`.
void FillSolid(HDC dc, const RECT& rect, COLORREF colour);

// A frame `thickness` pixels wide inside `rect`.
void Frame(HDC dc, RECT rect, COLORREF colour, int thickness);

// A length of `pixels` at 96 DPI, at the DPI of `dc`.
int ScaleToDc(HDC dc, int pixels);

}  // namespace skin
