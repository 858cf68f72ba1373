#include "ui/placement.h"

namespace ui {

namespace {

LONG CenteredAndClamped(LONG referenceStart, LONG referenceEnd, LONG areaStart, LONG areaEnd, LONG extent)
{
    LONG start = (referenceStart + referenceEnd) / 2 - extent / 2;
    if (start < areaStart) {
        start = areaStart;
    } else if (start + extent > areaEnd) {
        start = areaEnd - extent;
    }
    return start;
}

}  // namespace

POINT CenteredOrigin(const RECT& reference, const RECT& workArea, SIZE size)
{
    return POINT{CenteredAndClamped(reference.left, reference.right, workArea.left, workArea.right, size.cx),
                 CenteredAndClamped(reference.top, reference.bottom, workArea.top, workArea.bottom, size.cy)};
}

RECT WorkArea()
{
    RECT area{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

RECT WindowRect(Window window)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

void CenterWindow(Window window, Window reference)
{
    const RECT workArea = WorkArea();
    const bool useReference = reference.HasWindow() && reference.IsVisible() && !::IsIconic(reference);
    const RECT own = WindowRect(window);
    const POINT origin = CenteredOrigin(useReference ? WindowRect(reference) : workArea, workArea,
                                        SIZE{own.right - own.left, own.bottom - own.top});
    ::SetWindowPos(window, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ui
