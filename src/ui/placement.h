// Where a dialog goes when it is centred: on a reference rectangle (its owner,
// or the work area), but never out of the work area.
#pragma once

#include <windows.h>

namespace ui {

// The top-left corner for a window of `size` centred on `reference`, with
// truncating division; then pushed into `workArea`: a window left of the area
// moves to its left edge, else one past its right edge moves in so that its
// right edge is the area's; the same vertically.
POINT CenteredOrigin(const RECT& reference, const RECT& workArea, SIZE size);

}  // namespace ui
