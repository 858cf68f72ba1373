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
#include "countdown/keep_awake.h"
#include "countdown/millisecond_clock.h"
#include "countdown/run_deadline.h"
#include "countdown/slide_animation.h"
#include "countdown/tray_icon.h"
#include "power/power_platform.h"
#include "skin/skin_activation.h"
#include "ui/dialog.h"
#include "ui/message_loop.h"
#include "ui/unique_handle.h"

class CountdownWindow : public ui::Dialog, public ui::MessageFilter, public ui::IdleHandler {
public:
    // Timers 1 and 2 are the slide animation's (SlideAnimation::TimerId), 5
    // the tray icon's retry (TrayIcon::kRetryTimerId).
    enum TimerId : UINT_PTR {
        TIMER_EXPIRE = 3,
        TIMER_DISPLAY = 4,
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
    bool OnIdle() override;

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

    void ApplySkin();
    void CenterInWorkArea();
    void SetIcons();
    void RegisterWithMessageLoop();
    void UnregisterFromMessageLoop();
    void SetCaption();
    void AttachInfoLabel();
    void AddTrayIcon();
    void StartCountdown();

    void OnDisplayTick();
    void ShowCurrentInformation(std::uint32_t remaining);
    void RefreshInformationText(std::uint32_t remaining);
    void KeepInView();
    void OnExpiry();
    void ApplyDeadlineDecision(RunDeadline::Decision decision, std::uint32_t nowMs);
    void ShowTrayMenu();
    bool ConfirmCancellation();

    const RunParameters& run_;
    const PowerPlatform& power_;
    SkinActivation skin_;
    TextLabel infoLabel_;
    ui::UniqueIcon trayImage_;  // outlives trayIcon_, which may add it again
    TrayIcon trayIcon_;
    SlideAnimation slide_;
    ui::UniqueIcon bigIcon_;
    ui::UniqueIcon smallIcon_;
    ui::MessageLoop* messageLoop_ = nullptr;
    const UINT taskbarCreatedMessage_;
    KeepAwake keepAwake_;
    RunDeadline deadline_;
    Clock clock_ = SystemMillisecondClock();
    bool passwordPromptOpen_ = false;
    bool runEnded_ = false;
    // The last seconds have begun: the window stays in view and on top.
    bool keptInView_ = false;
};
