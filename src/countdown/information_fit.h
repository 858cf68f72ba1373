// How the countdown window grows so that its information text fits: upwards
// and to the left, keeping its bottom-right corner where the slides put it,
// with the buttons below the text moved down and kept whole.
#pragma once

#include <windows.h>

// How much wider and taller (never less than 0) a label of `labelSize` must
// become to hold a text that needs `textSize`; limited so that a window of
// `windowSize` grown by as much still fits `room` (the work area's size).
SIZE InformationGrowth(SIZE labelSize, SIZE textSize, SIZE windowSize, SIZE room);

// The window's rectangle grown by `growth`, its bottom-right corner kept.
RECT GrownWindowRect(const RECT& window, SIZE growth);

// Where a control of the window goes (client coordinates) when the label
// grows by `growth`: the label keeps its top-left corner and grows; a control
// that starts below the label moves down by the added height and right by
// half the added width (the button row stays centered under the text); the
// others (the icon beside the text) stay.
RECT MovedControlRect(const RECT& control, const RECT& label, SIZE growth);
