// Paints a drop-down list (CBS_DROPDOWNLIST) in the skin's colours in place
// of its WM_PAINT: the field with the skin's border, the arrow button as a
// skin button and the chosen item. The system draws the frame and the button
// in its own light colours whatever WM_CTLCOLOR* answers; the open list is a
// list box of its own and takes the field colours from WM_CTLCOLORLISTBOX.
#pragma once

#include <windows.h>

#include "skin_resources.h"

namespace skin {

// A combo box whose text cannot be typed into: the only kind the engine paints.
bool IsDropDownList(HWND control);

void PaintDropDownList(HWND combo, HDC dc, const SkinResources& resources);

}  // namespace skin
