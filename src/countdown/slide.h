// Where the countdown window's slides start and how each 10 ms step moves it.
// The window always enters and leaves at the bottom-right corner of the work
// area, whichever screen edge the taskbar is on.
#pragma once

#include <windows.h>

constexpr LONG kSlideStepPixels = 5;

// The window's size kept, its right edge on the work area's right edge and its
// top edge on the work area's bottom edge: just out of view below.
RECT SlideInStart(const RECT& window, const RECT& workArea);

// The window's size kept, in the work area's bottom-right corner.
RECT SlideOutStart(const RECT& window, const RECT& workArea);

// One step of the slide-in: while the window's bottom edge is below the work
// area's, `next` is the window 5 pixels higher and the result is true; false
// when the slide has ended (the bottom edge then lies 0 to 4 pixels above the
// work area's bottom).
bool NextSlideInStep(const RECT& window, const RECT& workArea, RECT& next);

// One step of the slide-out: `next` is the window 5 pixels lower and the
// result true, until the window's top edge is below the work area's bottom;
// false then, and the window is out of view.
bool NextSlideOutStep(const RECT& window, const RECT& workArea, RECT& next);
