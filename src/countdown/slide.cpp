#include "countdown/slide.h"

namespace {

RECT Placed(const RECT& window, LONG left, LONG top)
{
    return RECT{left, top, left + (window.right - window.left), top + (window.bottom - window.top)};
}

RECT MovedDown(const RECT& window, LONG pixels)
{
    return RECT{window.left, window.top + pixels, window.right, window.bottom + pixels};
}

}  // namespace

RECT SlideInStart(const RECT& window, const RECT& workArea)
{
    return Placed(window, workArea.right - (window.right - window.left), workArea.bottom);
}

RECT SlideOutStart(const RECT& window, const RECT& workArea)
{
    return Placed(window, workArea.right - (window.right - window.left),
                  workArea.bottom - (window.bottom - window.top));
}

bool NextSlideInStep(const RECT& window, const RECT& workArea, RECT& next)
{
    if (window.bottom <= workArea.bottom) {
        return false;
    }
    next = MovedDown(window, -kSlideStepPixels);
    return true;
}

bool NextSlideOutStep(const RECT& window, const RECT& workArea, RECT& next)
{
    if (window.top > workArea.bottom) {
        return false;
    }
    next = MovedDown(window, kSlideStepPixels);
    return true;
}
