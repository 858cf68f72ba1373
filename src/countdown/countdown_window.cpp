#include "countdown/countdown_window.h"

#include <new>
#include <string>

#include "countdown/information_fit_window.h"
#include "countdown/information_text.h"
#include "countdown/remaining_time.h"
#include "countdown/tray_menu.h"
#include "countdown/version_info.h"
#include "lang/language_table.h"
#include "power/power_actions.h"
#include "resource.h"
#include "text/module_path.h"
#include "ui/message_map.h"

namespace {

constexpr COLORREF kInformationTextColour = RGB(180, 70, 0);

}  // namespace

CountdownWindow::CountdownWindow(const RunParameters& run, const PowerPlatform& power)
    : run_(run),
      power_(power),
      taskbarCreatedMessage_(::RegisterWindowMessageA("TaskbarCreated")),
      keepAwake_(power)
{
}

CountdownWindow::~CountdownWindow()
{
    // The window must see its WM_DESTROY while this object is whole: it kills
    // the timers and removes the icon.
    if (HasWindow()) {
        Destroy();
    }
}

bool CountdownWindow::Create()
{
    return CreateModeless(IDD_COUNTDOWN, nullptr) != nullptr;
}

bool CountdownWindow::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    static constexpr ui::MessageEntry<CountdownWindow> kMessages[] = {
        {WM_INITDIALOG, 0, &CountdownWindow::OnInitDialog},
        {WM_DESTROY, 0, &CountdownWindow::OnDestroy},
        {WM_POWERBROADCAST, 0, &CountdownWindow::OnPowerBroadcast},
        {WM_TRAYNOTIFY, 0, &CountdownWindow::OnTrayNotify},
        {WM_TIMER, 0, &CountdownWindow::OnTimer},
        {WM_COMMAND, IDCANCEL, &CountdownWindow::OnCancel},
        {WM_COMMAND, IDC_HIDE, &CountdownWindow::OnHide},
    };
    // A restarted shell has a new, empty notification area. The message's
    // number is only known at run time, so it cannot stand in the table.
    if (message == taskbarCreatedMessage_ && message != 0) {
        trayIcon_.AddAgain();
        result = 0;
        return true;
    }
    return ui::DispatchMessageTable(*this, kMessages, message, wParam, lParam, result);
}

LRESULT CountdownWindow::OnInitDialog(WPARAM, LPARAM, bool&)
{
    // The delay counts from here: the skin's time comes out of it, not after
    // it; StartCountdown makes sure that a slow skin leaves the last seconds.
    deadline_ = RunDeadline(clock_(), static_cast<std::uint32_t>(run_.delaySeconds));
    opening_.Open(*this, ui::Window());  // centred on the work area
    slide_.Attach(*this);
    filterRegistration_.Register(*this);
    const std::wstring program = ModuleFilePath(nullptr);
    SetText(ReadProductName(program) + " " + ReadProductVersion(program));
    AttachInfoLabel();
    // The notification area shows small icons: the icon's own image of that
    // size, rather than the large one shrunk by the shell.
    trayIcon_.Add(*this, opening_.Icons().Small(), ReadProductName(program));
    StartCountdown();
    // No focus at creation: a dialog that takes it here is its thread's active
    // window from then on, and showing it later, even with SW_SHOWNOACTIVATE,
    // hands it the foreground of whatever the user is doing.
    return FALSE;
}

void CountdownWindow::AttachInfoLabel()
{
    infoLabel_.Attach(Item(IDC_INFO));
    LOGFONTA font{};
    if (::GetObjectA(infoLabel_.Font(), sizeof font, &font) == sizeof font) {
        font.lfWeight = FW_DONTCARE;
        infoLabel_.ReplaceFont(font);
    }
    infoLabel_.SetTextColour(kInformationTextColour);
    GrowToFitInformation(*this, infoLabel_);
    liveRegion_.Attach(Item(IDC_INFO));
}

void CountdownWindow::StartCountdown()
{
    // Timers last, so that none fires inside the initialisation. The delay was
    // checked when the run was read: its milliseconds fit a timer period.
    // However long the skin took (a share that answers slowly), the window
    // and its icon are there for the last seconds before the action.
    const std::uint32_t now = clock_();
    deadline_.OnWindowReady(now);
    SetTimer(TIMER_EXPIRE, deadline_.RemainingMs(now));
    SetTimer(TIMER_DISPLAY, kDisplayPeriodMs);
    keepAwake_.Hold();
}

LRESULT CountdownWindow::OnDestroy(WPARAM, LPARAM, bool&)
{
    slide_.Stop();
    KillTimer(TIMER_EXPIRE);
    KillTimer(TIMER_DISPLAY);
    trayIcon_.Remove();
    keepAwake_.Release();
    liveRegion_.Detach();
    return 0;
}

void CountdownWindow::OnFinalMessage()
{
    filterRegistration_.Reset();
}

LRESULT CountdownWindow::OnTimer(WPARAM wParam, LPARAM, bool&)
{
    if (slide_.OnTimer(wParam) || trayIcon_.OnTimer(wParam)) {
        return 0;
    }
    if (wParam == TIMER_EXPIRE) {
        OnExpiry();
    } else if (wParam == TIMER_DISPLAY) {
        OnDisplayTick();
    }
    return 0;
}

void CountdownWindow::OnDisplayTick()
{
    const std::uint32_t remaining = deadline_.RemainingSeconds(clock_());
    const bool lastSeconds = IsInLastSeconds(remaining);
    if (lastSeconds) {
        KeepInView();
    }
    // Nobody sees the text of a hidden window: it is rebuilt when the window
    // comes into view (SlideIn and below), not twice a second meanwhile.
    if (lastSeconds || IsVisible()) {
        ShowCurrentInformation(remaining);
    }
    // Coming in by itself, the window takes no focus, so screen readers are
    // told (assertive: it interrupts them) and the user's sound plays, once:
    // someone not looking at the screen hears it too.
    if (lastSeconds && slide_.StartIn()) {
        liveRegion_.SetUrgency(LiveRegion::Urgency::Assertive);
        if (!soundPlayed_) {
            soundPlayed_ = true;
            PlayCountdownEndingSound(playSound_);
        }
    }
    AnnounceIfDue();
}

// While the window is in view (not while it slides away): at its slide-in and
// then every few seconds, so that a reader follows the countdown without
// speaking every tick.
void CountdownWindow::AnnounceIfDue()
{
    if (IsVisible() && slide_.Current() != SlideAnimation::State::SlidingOut) {
        liveRegion_.AnnounceIfDue(clock_());
    }
}

void CountdownWindow::ShowCurrentInformation(std::uint32_t remaining)
{
    // The text needs memory; without it this refresh is skipped, the timers
    // run on and the next tick tries again. The run must not end over it.
    try {
        Item(IDC_INFO).SetText(CountdownInformationText(run_.action, remaining, TheLanguageTable()));
        GrowToFitInformation(*this, infoLabel_);
    } catch (const std::bad_alloc&) {
    }
}

// Allocates nothing before the power call: a machine short of memory still
// gets its action.
void CountdownWindow::OnExpiry()
{
    const std::uint32_t now = clock_();
    const RunDeadline::Decision decision = deadline_.OnExpiryTimer(now);
    if (decision != RunDeadline::Decision::Expire) {
        ApplyDeadlineDecision(decision, now);
        return;
    }
    // Once only: the window and its timers go right after the action.
    KillTimer(TIMER_EXPIRE);
    runEnded_ = true;
    keepAwake_.Release();
    const bool accepted = CarryOutAction(run_.action, power_);
    Destroy();
    ::PostQuitMessage(accepted ? kExitCarriedOut : kExitRefused);
}

LRESULT CountdownWindow::OnPowerBroadcast(WPARAM wParam, LPARAM, bool&)
{
    if (wParam == PBT_APMSUSPEND) {
        deadline_.OnSuspend();
    } else if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) {
        const std::uint32_t now = clock_();
        ApplyDeadlineDecision(deadline_.OnResume(now), now);
    }
    return TRUE;
}

void CountdownWindow::ApplyDeadlineDecision(RunDeadline::Decision decision, std::uint32_t nowMs)
{
    if (runEnded_) {
        return;
    }
    // A window timer's period is counted from now: re-armed for what is left,
    // it neither comes early nor waits out a period that began before sleep.
    const std::uint32_t left = deadline_.RemainingMs(nowMs);
    SetTimer(TIMER_EXPIRE, left > 0 ? left : 1u);
    if (decision == RunDeadline::Decision::Postponed) {
        // Shows the 15 seconds and brings the window in, without activation.
        OnDisplayTick();
    }
}

LRESULT CountdownWindow::OnCancel(WPARAM, LPARAM, bool&)
{
    EndRun(kExitCancelled);
    return 0;
}

LRESULT CountdownWindow::OnHide(WPARAM, LPARAM, bool&)
{
    SlideOut();
    return 0;
}

void CountdownWindow::EndRun(int exitCode)
{
    if (runEnded_ || !HasWindow()) {
        return;
    }
    if (exitCode == kExitCancelled && !run_.password.empty()) {
        // In the last seconds this window is topmost: the prompt is owned by
        // it, so that it shows above it (an owned window takes its owner's
        // topmost). It shows this window's skin.
        const ui::Window owner = keptInView_ ? ui::Window(*this) : ui::Window(::GetActiveWindow());
        const bool confirmed = cancelPrompt_.Confirm(run_.password, owner, opening_.Skin().ShownConfig());
        // The countdown goes on under the prompt: if it ran out meanwhile, the
        // action has been carried out and the cancellation comes too late.
        if (!confirmed || runEnded_ || !HasWindow()) {
            return;
        }
    }
    runEnded_ = true;
    Destroy();
    ::PostQuitMessage(exitCode);
}

// The last warning must not be covered or hidden: Hide is disabled (its
// focus handed to Cancel first, as a disabled control cannot keep it), and
// the window stays above other windows, full-screen ones included; with
// SWP_NOACTIVATE, so the foreground stays with the program the user is in.
void CountdownWindow::KeepInView()
{
    if (keptInView_) {
        return;
    }
    keptInView_ = true;
    PlaceInZOrder(HWND_TOPMOST);
    const ui::Window hide = Item(IDC_HIDE);
    if (::GetFocus() == hide) {
        FocusControl(IDCANCEL);
    }
    hide.Enable(false);
}

void CountdownWindow::SlideIn()
{
    if (slide_.Current() == SlideAnimation::State::Idle && !IsVisible()) {
        ShowCurrentInformation(deadline_.RemainingSeconds(clock_()));
    }
    if (!slide_.StartIn()) {
        return;
    }
    BringToForeground();
    // FocusControl rather than SetFocus: Cancel becomes the default button
    // too, so Enter presses it.
    FocusControl(IDCANCEL);
    // The user asked for it: readers speak the focused Cancel button first,
    // and the text when they are done.
    liveRegion_.SetUrgency(LiveRegion::Urgency::Polite);
    AnnounceIfDue();
}

void CountdownWindow::SlideOut()
{
    if (!keptInView_) {
        slide_.StartOut();
    }
}

LRESULT CountdownWindow::OnTrayNotify(WPARAM, LPARAM lParam, bool&)
{
    switch (lParam) {
    case WM_LBUTTONDOWN:
        if (IsVisible()) {
            SlideOut();
        } else {
            SlideIn();
        }
        break;
    case WM_RBUTTONDOWN:
        ShowTrayMenu();
        break;
    default:
        break;
    }
    return 0;
}

void CountdownWindow::ShowTrayMenu()
{
    const base::UniqueMenu menu = BuildTrayMenu(IsVisible(), !keptInView_, TheLanguageTable());
    // The menu's own loop keeps the timers running: the run may end while it
    // is open, and the choice is then void.
    switch (TrackTrayMenu(menu.Get(), *this)) {
    case ID_TRAY_SHOW:
        SlideIn();
        break;
    case ID_TRAY_CANCEL:
        EndRun(kExitCancelled);
        break;
    case ID_TRAY_HIDE:
        SlideOut();
        break;
    default:
        break;
    }
}

bool CountdownWindow::PreTranslateMessage(MSG& message)
{
    return HasWindow() && TakeDialogKeys(message);
}

