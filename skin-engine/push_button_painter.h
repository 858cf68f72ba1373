// Paints a push button in the skin's colours from its custom-draw
// notification (NM_CUSTOMDRAW, CDDS_PREPAINT): face by state, border, default
// outline, text with its mnemonic, focus rectangle.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "skin_resources.h"

namespace skin {

// Push buttons only (BS_PUSHBUTTON, BS_DEFPUSHBUTTON); check boxes have a
// painter of their own, radio buttons and group boxes keep their drawing.
bool IsPushButton(HWND control);

void PaintPushButton(const NMCUSTOMDRAW& draw, const SkinResources& resources);

// Where a push button of `button` (its client rectangle) draws its text:
// inside the focus rectangle, clear of the frame. A text wider than this is
// cut with an ellipsis rather than drawn over the frame.
RECT PushButtonTextRect(const RECT& button);

}  // namespace skin
