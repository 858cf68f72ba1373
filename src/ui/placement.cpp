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

}  // namespace ui
