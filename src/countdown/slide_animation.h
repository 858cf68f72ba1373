// The countdown window's slides: up into view at the bottom-right corner of
// the work area and down out of it again, one step per 10 ms window timer.
// One slide at a time; a request while one runs is ignored, not queued.
#pragma once

#include <windows.h>

#include "ui/window.h"

class SlideAnimation {
public:
    enum class State { Idle, SlidingIn, SlidingOut };
    static constexpr UINT kStepMs = 10;

    // The ids of the two window timers the slides run on: the animated
    // window's owner gives them, apart from its other timers.
    SlideAnimation(UINT_PTR slideInTimerId, UINT_PTR slideOutTimerId)
        : slideInTimerId_(slideInTimerId), slideOutTimerId_(slideOutTimerId)
    {
    }

    void Attach(ui::Window window) { window_ = window; }
    State Current() const { return state_; }

    // Shows the hidden window just below the work area and starts moving it
    // up. It never takes the activation: whoever asked decides about that.
    // False (nothing done) while a slide runs or the window is visible.
    bool StartIn();
    // Starts moving the visible window down out of view; hidden at the end.
    bool StartOut();
    // One step, for the WM_TIMER of either slide timer; false for other ids.
    bool OnTimer(UINT_PTR timerId);
    // Kills both timers (the window is going).
    void Stop();

private:
    bool CanStart() const { return state_ == State::Idle && window_ != nullptr; }
    void StepIn();
    void StepOut();

    const UINT_PTR slideInTimerId_;
    const UINT_PTR slideOutTimerId_;
    ui::Window window_;
    State state_ = State::Idle;
};
