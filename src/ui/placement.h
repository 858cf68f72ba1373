// Where a dialog goes when it is centered: on a reference rectangle (its owner,
// or the work area), but never out of the work area.
#pragma once

#include <windows.h>

#include "ui/window.h"

namespace ui {

// The top-left corner for a window of `size` centered on `reference`, with
// truncating division; then pushed into `workArea`: a window left of the area
// moves to its left edge, else one past its right edge moves in so that its
// right edge is the area's; the same vertically.
POINT CenteredOrigin(const RECT& reference, const RECT& workArea, SIZE size);

// The primary screen's work area (SPI_GETWORKAREA): the screen less the taskbar.
RECT WorkArea();
RECT WindowRect(Window window);

// Moves `window` (keeping its size, z-order and activation) to the center of
// `reference`, or of the work area when `reference` is null, hidden or
// minimised; never out of the work area.
void CenterWindow(Window window, Window reference);

}  // namespace ui
