#include "countdown/information_fit.h"

#include <algorithm>

SIZE InformationGrowth(SIZE labelSize, SIZE textSize, SIZE windowSize, SIZE room)
{
    const LONG wider = std::max(0L, textSize.cx - labelSize.cx);
    const LONG taller = std::max(0L, textSize.cy - labelSize.cy);
    const LONG roomWider = std::max(0L, room.cx - windowSize.cx);
    const LONG roomTaller = std::max(0L, room.cy - windowSize.cy);
    return SIZE{std::min(wider, roomWider), std::min(taller, roomTaller)};
}

RECT GrownWindowRect(const RECT& window, SIZE growth)
{
    return RECT{window.left - growth.cx, window.top - growth.cy, window.right, window.bottom};
}

RECT MovedControlRect(const RECT& control, const RECT& label, SIZE growth)
{
    if (EqualRect(&control, &label)) {
        return RECT{label.left, label.top, label.right + growth.cx, label.bottom + growth.cy};
    }
    if (control.top >= label.bottom) {
        const LONG dx = growth.cx / 2;
        return RECT{control.left + dx, control.top + growth.cy, control.right + dx, control.bottom + growth.cy};
    }
    return control;
}
