// Paints a check box in the skin's colours from its custom-draw notification
// (NM_CUSTOMDRAW): the box as a field with the skin's border, the mark in the
// field's text colour, the caption with its mnemonic and the focus rectangle.
// The system's box would stay white on a dark skin.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "skin_resources.h"

namespace skin {

// BS_CHECKBOX, BS_AUTOCHECKBOX, BS_3STATE and BS_AUTO3STATE.
bool IsCheckBox(HWND control);

// `parent` is the skinned window: the box's background continues its own.
void PaintCheckBox(const NMCUSTOMDRAW& draw, const SkinResources& resources, HWND parent);

}  // namespace skin
