// The program's main window: hidden near the bottom-right corner of the work
// area while the run counts down, sliding in when asked and by itself in the
// last seconds. It owns the countdown's timers and the notification-area icon;
// destroying it ends both.
#pragma once

#include <windows.h>

#include <cstdint>

#include "run/exit_codes.h"
#include "run/run_parameters.h"
#include "controls/text_label.h"
#include "countdown/cancel_prompt.h"
#include "countdown/countdown_sound.h"
#include "countdown/keep_awake.h"
#include "countdown/live_region.h"
#include "countdown/millisecond_clock.h"
#include "countdown/run_deadline.h"
#include "countdown/slide_animation.h"
#include "countdown/tray_icon.h"
#include "dialogs/window_opening.h"
#include "power/power_platform.h"
#include "ui/dialog.h"
#include "ui/filter_registration.h"
#include "ui/message_loop.h"

class CountdownWindow : public ui::Dialog, public ui::MessageFilter {
public:
    // The window's timers: the slides' steps (run by slide_), the end of the
    // delay, the refresh of the text, and the tray icon's retries (run by
    // trayIcon_).
    enum TimerId : UINT_PTR {
        TIMER_SLIDE_IN = 1,
        TIMER_SLIDE_OUT = 2,
        TIMER_EXPIRE = 3,
        TIMER_DISPLAY = 4,
        TIMER_TRAY_RETRY = 5,
    };
    static constexpr UINT kDisplayPeriodMs = 500;

    // The millisecond clock of the countdown: timeGetTime, or a test's.
    using Clock = DWORD(WINAPI*)();

    CountdownWindow(const RunParameters& run, const PowerPlatform& power);
    ~CountdownWindow() override;

    // Creates the window, hidden, from its template; false on failure.
    bool Create();
    // Before Create(): the clock that the countdown reads.
    void UseClock(Clock clock) { clock_ = clock; }
    // Before the last seconds: what plays the countdown's sound event.
    void UsePlaySound(PlaySoundFunction playSound) { playSound_ = playSound; }

    // Ends the run with the exit code: a cancellation (2) of a run with a
    // password asks for it first and may be refused.
    void EndRun(int exitCode);
    // At the user's request (icon, menu): slides in, activated, with the focus
    // on Cancel. The last seconds bring the window in without activation.
    void SlideIn();
    // Does nothing in the last seconds, when the window must stay in view.
    void SlideOut();
    bool IsKeptInView() const { return keptInView_; }

    SlideAnimation::State SlideState() const { return slide_.Current(); }
    const TrayIcon& Tray() const { return trayIcon_; }
    const TextLabel& InfoLabel() const { return infoLabel_; }

    bool PreTranslateMessage(MSG& message) override;

protected:
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnFinalMessage() override;

private:
    LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam, bool& handled);
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam, bool& handled);
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam, bool& handled);
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam, bool& handled);
    LRESULT OnCancel(WPARAM wParam, LPARAM lParam, bool& handled);
    LRESULT OnHide(WPARAM wParam, LPARAM lParam, bool& handled);
    LRESULT OnPowerBroadcast(WPARAM wParam, LPARAM lParam, bool& handled);

    void AttachInfoLabel();
    void StartCountdown();

    void OnDisplayTick();
    void ShowCurrentInformation(std::uint32_t remaining);
    void KeepInView();
    void AnnounceIfDue();
    void OnExpiry();
    void ApplyDeadlineDecision(RunDeadline::Decision decision, std::uint32_t nowMs);
    void ShowTrayMenu();

    const RunParameters& run_;
    const PowerPlatform& power_;
    WindowOpening opening_;  // its icons outlive trayIcon_, which may add the small one again
    TextLabel infoLabel_;
    TrayIcon trayIcon_{TIMER_TRAY_RETRY};
    SlideAnimation slide_{TIMER_SLIDE_IN, TIMER_SLIDE_OUT};
    ui::FilterRegistration filterRegistration_;
    const UINT taskbarCreatedMessage_;
    KeepAwake keepAwake_;
    RunDeadline deadline_;
    Clock clock_ = SystemMillisecondClock();
    PlaySoundFunction playSound_ = SystemPlaySound();
    LiveRegion liveRegion_;
    bool soundPlayed_ = false;
    CancelPrompt cancelPrompt_;
    bool runEnded_ = false;
    // The last seconds have begun: the window stays in view and on top.
    bool keptInView_ = false;
};
