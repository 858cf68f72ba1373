// The countdown window's slides: up into view at the bottom-right corner of
// the work area and down out of it again, one step per 10 ms window timer.
// One slide at a time; a request while one runs is ignored, not queued.
#pragma once

#include <windows.h>

class SlideAnimation {
public:
    enum class State { Idle, SlidingIn, SlidingOut };
    // Window timers of the animated window; its other timers use other ids.
    enum TimerId : UINT_PTR { TIMER_SLIDE_IN = 1, TIMER_SLIDE_OUT = 2 };
    static constexpr UINT kStepMs = 10;

    void Attach(HWND window) { window_ = window; }
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

    HWND window_ = nullptr;
    State state_ = State::Idle;
};
