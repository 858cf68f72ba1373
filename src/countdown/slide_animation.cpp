#include "countdown/slide_animation.h"

#include "countdown/slide.h"
#include "ui/placement.h"

namespace {

// SWP_NOACTIVATE throughout (PlaceInZOrder too): a window that slides in by
// itself must leave the foreground with the program the user is typing in.
void MoveTo(HWND window, const RECT& rect)
{
    ::SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

bool SlideAnimation::StartIn()
{
    if (!CanStart() || window_.IsVisible()) {
        return false;
    }
    state_ = State::SlidingIn;
    MoveTo(window_, SlideInStart(ui::WindowRect(window_), ui::WorkArea()));
    window_.Show(SW_SHOWNOACTIVATE);
    window_.SetTimer(slideInTimerId_, kStepMs);
    window_.PlaceInZOrder(HWND_TOP);
    return true;
}

bool SlideAnimation::StartOut()
{
    if (!CanStart() || !window_.IsVisible()) {
        return false;
    }
    state_ = State::SlidingOut;
    MoveTo(window_, SlideOutStart(ui::WindowRect(window_), ui::WorkArea()));
    window_.SetTimer(slideOutTimerId_, kStepMs);
    window_.PlaceInZOrder(HWND_TOP);
    return true;
}

bool SlideAnimation::OnTimer(UINT_PTR timerId)
{
    if (timerId == slideInTimerId_) {
        StepIn();
    } else if (timerId == slideOutTimerId_) {
        StepOut();
    } else {
        return false;
    }
    return true;
}

void SlideAnimation::StepIn()
{
    RECT next{};
    if (NextSlideInStep(ui::WindowRect(window_), ui::WorkArea(), next)) {
        MoveTo(window_, next);
        return;
    }
    state_ = State::Idle;
    window_.KillTimer(slideInTimerId_);
}

void SlideAnimation::StepOut()
{
    RECT next{};
    if (NextSlideOutStep(ui::WindowRect(window_), ui::WorkArea(), next)) {
        MoveTo(window_, next);
        return;
    }
    state_ = State::Idle;
    window_.KillTimer(slideOutTimerId_);
    window_.Show(SW_HIDE);
}

void SlideAnimation::Stop()
{
    if (window_ != nullptr) {
        window_.KillTimer(slideInTimerId_);
        window_.KillTimer(slideOutTimerId_);
    }
    state_ = State::Idle;
}
