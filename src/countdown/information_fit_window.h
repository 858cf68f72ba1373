// Grows the countdown window to fit the text its information label shows.
#pragma once

#include <windows.h>

#include "controls/text_label.h"
#include "ui/window.h"

// Measures the label's text as the label draws it (DrawText with
// DT_CALCRECT, in the label's font, wrapped at its width) and, where it does
// not fit, grows `window` upwards and to the left (InformationGrowth) without
// activating or re-ordering it. The window never shrinks: a text that needs
// less room leaves it as it is.
void GrowToFitInformation(ui::Window window, const TextLabel& label);
