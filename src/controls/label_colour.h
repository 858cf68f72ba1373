// The colour a text label paints its text in. A label asks its dialog first,
// with a registered message that a skin engine's subclass of the dialog
// answers with the skin's colour for that kind of label; the dialog's own
// procedure answers 0, which is no answer, and the label keeps its own colour.
#pragma once

#include <windows.h>

#include "base/label_colour_message.h"

// The program's bold labels are its headings; the regular one is the
// countdown's information text.
LabelKind LabelKindOf(HFONT font);

// What the label paints with. A disabled label is grey; High Contrast takes
// the theme's window text (the dialog then paints the theme's button face);
// otherwise the dialog's answer, or the label's own colour without one.
COLORREF LabelTextColour(bool enabled, bool highContrast, LRESULT answer, COLORREF ownColour);
