#include "countdown/countdown_window.h"


#include <new>
#include <string>

#include "countdown/action_names.h"
#include "countdown/information_fit_window.h"
#include "countdown/information_text.h"
#include "countdown/remaining_time.h"
#include "countdown/tray_menu.h"
#include "countdown/version_info.h"
#include "dialogs/password_dialog.h"
#include "lang/language_table.h"
#include "power/power_actions.h"
#include "resource.h"
#include "text/module_path.h"
#include "ui/message_map.h"
#include "ui/placement.h"
#include "ui/ui_module.h"

namespace {

constexpr COLORREF kInformationTextColor = RGB(180, 70, 0);

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
    if (Handle() != nullptr) {
        ::DestroyWindow(Handle());
    }
    UnregisterFromMessageLoop();
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
    ApplySkin();
    slide_.Attach(Handle());
    CenterInWorkArea();
    SetIcons();
    RegisterWithMessageLoop();
    TheLanguageTable().TranslateWindow(Handle());
    SetCaption();
    AttachInfoLabel();
    AddTrayIcon();
    StartCountdown();
    // No focus at creation: a dialog that takes it here is its thread's active
    // window from then on, and showing it later, even with SW_SHOWNOACTIVATE,
    // hands it the foreground of whatever the user is doing.
    return FALSE;
}

void CountdownWindow::ApplySkin()
{
    // The skin engine, where one is installed, takes the window over here,
    // before any text or position is set.
    skin_.Activate(Handle());
}

void CountdownWindow::CenterInWorkArea()
{
    ui::CenterWindow(Handle(), nullptr);
}

void CountdownWindow::SetIcons()
{
    const HINSTANCE instance = ui::TheUiModule().Instance();
    bigIcon_.Reset(static_cast<HICON>(::LoadImageA(instance, MAKEINTRESOURCEA(IDI_APPLICATION_ICON), IMAGE_ICON,
                                                   ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON),
                                                   LR_DEFAULTCOLOR)));
    smallIcon_.Reset(static_cast<HICON>(::LoadImageA(instance, MAKEINTRESOURCEA(IDI_APPLICATION_ICON), IMAGE_ICON,
                                                     ::GetSystemMetrics(SM_CXSMICON),
                                                     ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
    ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.Get()));
    ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.Get()));
}

void CountdownWindow::RegisterWithMessageLoop()
{
    messageLoop_ = ui::TheUiModule().GetMessageLoop();
    if (messageLoop_ != nullptr) {
        messageLoop_->AddMessageFilter(this);
        messageLoop_->AddIdleHandler(this);
    }
}

void CountdownWindow::UnregisterFromMessageLoop()
{
    if (messageLoop_ != nullptr) {
        messageLoop_->RemoveMessageFilter(this);
        messageLoop_->RemoveIdleHandler(this);
        messageLoop_ = nullptr;
    }
}

void CountdownWindow::SetCaption()
{
    const std::wstring path = ModuleFilePathW(nullptr);
    const std::string caption = ReadProductName(path) + " " + ReadProductVersion(path);
    ::SetWindowTextA(Handle(), caption.c_str());
}

void CountdownWindow::AttachInfoLabel()
{
    infoLabel_.Attach(Item(IDC_INFO));
    LOGFONTA font{};
    if (::GetObjectA(infoLabel_.Font(), sizeof font, &font) == sizeof font) {
        font.lfWeight = FW_DONTCARE;
        infoLabel_.ReplaceFont(font);
    }
    infoLabel_.SetTextColor(kInformationTextColor);
    GrowToFitInformation(Handle(), infoLabel_);
}

void CountdownWindow::AddTrayIcon()
{
    // The notification area shows small icons: the icon's own image of that
    // size, rather than the large one shrunk by the shell.
    trayImage_.Reset(static_cast<HICON>(::LoadImageA(ui::TheUiModule().Instance(),
                                                     MAKEINTRESOURCEA(IDI_APPLICATION_ICON), IMAGE_ICON,
                                                     ::GetSystemMetrics(SM_CXSMICON),
                                                     ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
    // LoadIconA's shared icon as a fallback: it must not be destroyed.
    const HICON icon = trayImage_ ? trayImage_.Get()
                                  : ::LoadIconA(ui::TheUiModule().Instance(), MAKEINTRESOURCEA(IDI_APPLICATION_ICON));
    trayIcon_.Add(Handle(), icon, ReadProductName(ModuleFilePathW(nullptr)));
}

void CountdownWindow::StartCountdown()
{
    // The delay was checked when the run was read: its milliseconds fit a
    // timer period.
    const UINT periodMs = static_cast<UINT>(run_.delaySeconds) * 1000u;
    ::SetTimer(Handle(), TIMER_EXPIRE, periodMs, nullptr);
    deadline_ = RunDeadline(clock_(), static_cast<std::uint32_t>(run_.delaySeconds));
    ::SetTimer(Handle(), TIMER_DISPLAY, kDisplayPeriodMs, nullptr);
    keepAwake_.Hold();
}

LRESULT CountdownWindow::OnDestroy(WPARAM, LPARAM, bool&)
{
    slide_.Stop();
    for (UINT_PTR id : {TIMER_EXPIRE, TIMER_DISPLAY}) {
        ::KillTimer(Handle(), id);
    }
    trayIcon_.Remove();
    keepAwake_.Release();
    return 0;
}

void CountdownWindow::OnFinalMessage()
{
    UnregisterFromMessageLoop();
}

LRESULT CountdownWindow::OnTimer(WPARAM wParam, LPARAM, bool&)
{
    if (slide_.OnTimer(wParam) || trayIcon_.OnTimer(wParam)) {
        return 0;
    }
    switch (wParam) {
    case TIMER_EXPIRE:
        OnExpiry();
        break;
    case TIMER_DISPLAY:
        OnDisplayTick();
        break;
    default:
        break;
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
    if (lastSeconds || ::IsWindowVisible(Handle())) {
        ShowCurrentInformation(remaining);
    }
    if (lastSeconds) {
        slide_.StartIn();
    }
}

void CountdownWindow::ShowCurrentInformation(std::uint32_t remaining)
{
    // The text needs memory; without it this refresh is skipped, the timers
    // run on and the next tick tries again. The run must not end over it.
    try {
        RefreshInformationText(remaining);
    } catch (const std::bad_alloc&) {
    }
}

void CountdownWindow::RefreshInformationText(std::uint32_t remaining)
{
    const LanguageTable& language = TheLanguageTable();
    const char* nameKey = ActionNameKey(run_.action);
    const std::string name = nameKey != nullptr ? language.Lookup(nameKey, true) : std::string();
    const std::string text =
        FormatInformationText(language.Lookup("_InformationFormate", true), name, SplitRemaining(remaining));
    ::SetWindowTextA(Item(IDC_INFO), text.c_str());
    GrowToFitInformation(Handle(), infoLabel_);
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
    ::KillTimer(Handle(), TIMER_EXPIRE);
    runEnded_ = true;
    keepAwake_.Release();
    const bool accepted = CarryOutAction(run_.action, power_);
    ::DestroyWindow(Handle());
    ::PostQuitMessage(accepted ? kExitCarriedOut : kExitRefused);
}

LRESULT CountdownWindow::OnPowerBroadcast(WPARAM wParam, LPARAM, bool&)
{
    switch (wParam) {
    case PBT_APMSUSPEND:
        deadline_.OnSuspend();
        break;
    case PBT_APMRESUMEAUTOMATIC:
    case PBT_APMRESUMESUSPEND: {
        const std::uint32_t now = clock_();
        ApplyDeadlineDecision(deadline_.OnResume(now), now);
        break;
    }
    default:
        break;
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
    ::SetTimer(Handle(), TIMER_EXPIRE, left > 0 ? left : 1u, nullptr);
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
    if (runEnded_ || Handle() == nullptr) {
        return;
    }
    if (exitCode == kExitCancelled && !run_.password.empty() && !ConfirmCancellation()) {
        return;
    }
    runEnded_ = true;
    ::DestroyWindow(Handle());
    ::PostQuitMessage(exitCode);
}

bool CountdownWindow::ConfirmCancellation()
{
    // A second cancel request while the prompt is open (from the tray menu)
    // does not stack another prompt.
    if (passwordPromptOpen_) {
        return false;
    }
    passwordPromptOpen_ = true;
    PasswordDialog prompt(run_.password);
    // In the last seconds this window is topmost: the prompt is owned by it,
    // so that it shows above it (an owned window takes its owner's topmost).
    const INT_PTR answer = prompt.Run(keptInView_ ? Handle() : ::GetActiveWindow());
    passwordPromptOpen_ = false;
    // The countdown goes on under the prompt: if it ran out meanwhile, the
    // action has been carried out and the cancellation comes too late.
    return answer == IDOK && !runEnded_ && Handle() != nullptr;
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
    ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const HWND hide = Item(IDC_HIDE);
    if (::GetFocus() == hide) {
        ::SendMessageA(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDCANCEL)), TRUE);
    }
    ::EnableWindow(hide, FALSE);
}

void CountdownWindow::SlideIn()
{
    if (slide_.Current() == SlideAnimation::State::Idle && !::IsWindowVisible(Handle())) {
        ShowCurrentInformation(deadline_.RemainingSeconds(clock_()));
    }
    if (!slide_.StartIn()) {
        return;
    }
    ::SetForegroundWindow(Handle());
    // WM_NEXTDLGCTL rather than SetFocus: the dialog manager makes Cancel the
    // default button too, so Enter presses it.
    ::SendMessageA(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDCANCEL)), TRUE);
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
        if (::IsWindowVisible(Handle())) {
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
    const ui::UniqueMenu menu =
        BuildTrayMenu(::IsWindowVisible(Handle()) != FALSE, !keptInView_, TheLanguageTable());
    // The menu's own loop keeps the timers running: the run may end while it
    // is open, and the choice is then void.
    switch (TrackTrayMenu(menu.Get(), Handle())) {
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
    return Handle() != nullptr && ::IsDialogMessageA(Handle(), &message) != FALSE;
}

bool CountdownWindow::OnIdle()
{
    return false;
}
