// Reads text from the screen's pixels as a person sees it: in an area around
// a text, the most common colour is what the text is painted on, and the
// colour furthest from it is the text's own (its smoothed edges blend the
// two). Keep frames and focus rectangles out of the area.
#pragma once

#include <windows.h>

#include <vector>

namespace test_support {

// The pixels of a client area of `window` as the screen shows them (the
// window may belong to another process), row by row.
std::vector<COLORREF> ScreenPixels(HWND window, const RECT& clientArea);
// One of them; CLR_INVALID outside the screen.
COLORREF ScreenPixel(HWND window, int x, int y);

struct MeasuredText {
    COLORREF background = 0;
    COLORREF text = 0;
    int textPixels = 0;  // every pixel not of the background
    double contrast = 0.0;
};

MeasuredText MeasureText(const std::vector<COLORREF>& pixels);

// MeasureText of a control's client area, read from the screen.
MeasuredText MeasureControlText(HWND control);

}  // namespace test_support
