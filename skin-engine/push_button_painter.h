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

}  // namespace skin
