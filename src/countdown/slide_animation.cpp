#include "countdown/slide_animation.h"

#include "countdown/slide.h"
#include "ui/placement.h"

namespace {

// SWP_NOACTIVATE throughout: a window that slides in by itself must leave the
// foreground with the program the user is typing in.
void MoveTo(HWND window, const RECT& rect)
{
    ::SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void BringToTop(HWND window)
{
    ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

bool SlideAnimation::StartIn()
{
    if (!CanStart() || ::IsWindowVisible(window_)) {
        return false;
    }
    state_ = State::SlidingIn;
    MoveTo(window_, SlideInStart(ui::WindowRect(window_), ui::WorkArea()));
    ::ShowWindow(window_, SW_SHOWNOACTIVATE);
    ::SetTimer(window_, TIMER_SLIDE_IN, kStepMs, nullptr);
    BringToTop(window_);
    return true;
}

bool SlideAnimation::StartOut()
{
    if (!CanStart() || !::IsWindowVisible(window_)) {
        return false;
    }
    state_ = State::SlidingOut;
    MoveTo(window_, SlideOutStart(ui::WindowRect(window_), ui::WorkArea()));
    ::SetTimer(window_, TIMER_SLIDE_OUT, kStepMs, nullptr);
    BringToTop(window_);
    return true;
}

bool SlideAnimation::OnTimer(UINT_PTR timerId)
{
    if (timerId == TIMER_SLIDE_IN) {
        StepIn();
    } else if (timerId == TIMER_SLIDE_OUT) {
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
    ::KillTimer(window_, TIMER_SLIDE_IN);
}

void SlideAnimation::StepOut()
{
    RECT next{};
    if (NextSlideOutStep(ui::WindowRect(window_), ui::WorkArea(), next)) {
        MoveTo(window_, next);
        return;
    }
    state_ = State::Idle;
    ::KillTimer(window_, TIMER_SLIDE_OUT);
    ::ShowWindow(window_, SW_HIDE);
}

void SlideAnimation::Stop()
{
    if (window_ != nullptr) {
        ::KillTimer(window_, TIMER_SLIDE_IN);
        ::KillTimer(window_, TIMER_SLIDE_OUT);
    }
    state_ = State::Idle;
}
