// The countdown window in the test process, built from its real template,
// with the power calls recorded instead of made.
#include "countdown/countdown_window.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

#include <cstdio>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "countdown/tray_icon.h"
#include "resource.h"
#include "version.h"
#include "ui/placement.h"
#include "support/allocation_watch.h"
#include "support/language_file.h"
#include "support/message_pump.h"
#include "support/power_recorder.h"
#include "support/program_windows.h"
#include "support/sound_recorder.h"
#include "support/window_finder.h"

namespace {

using test_support::RecordedPowerCalls;
using test_support::RecordedSystemCalls;
using test_support::RecordingPowerPlatform;

constexpr char kEntries[] =
    "_Cancel=Abort\r\n"
    "_Hide=Put away\r\n"
    "_Standby=stand by\r\n"
    "_InformationFormate=Going to %s in %d:%02d:%02d\r\n";

using ui::WindowRect;
using ui::WorkArea;

// The countdown's clock where a test moves time on by hand.
DWORD testNow = 0;
DWORD WINAPI TestClock()
{
    return testNow;
}

HWND WaitForPrompt()
{
    return test_support::WaitForPasswordPrompt(::GetCurrentProcessId());
}

class CountdownWindowTest : public ::testing::Test {
protected:
    // Runs the thread's messages until the condition holds, through the
    // window's own pre-translation as the program's loop does; a WM_QUIT
    // posted by the window is kept for the test to read.
    bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000)
    {
        return test_support::PumpUntil(condition, timeoutMs, [this](MSG& message) {
            if (message.message == WM_QUIT) {
                quitCode_ = static_cast<int>(message.wParam);
                return true;
            }
            return window_ && window_->Handle() && window_->PreTranslateMessage(message);
        });
    }

    void PumpFor(DWORD ms)
    {
        PumpUntil([] { return false; }, ms);
    }

    CountdownWindow& Start(ShutdownAction action, int delaySeconds, const std::string& password = "",
                           CountdownWindow::Clock clock = nullptr)
    {
        run_.action = action;
        run_.delaySeconds = delaySeconds;
        run_.password = password;
        window_.emplace(run_, RecordingPowerPlatform());
        if (clock != nullptr) {
            window_->UseClock(clock);
        }
        EXPECT_TRUE(window_->Create());
        return *window_;
    }

    // A run on the test clock, at the moment `remaining` seconds are left,
    // after a display tick.
    CountdownWindow& StartOnTestClock(int delaySeconds, std::uint32_t remaining, const std::string& password = "")
    {
        testNow = 100000;
        CountdownWindow& window = Start(ShutdownAction::Standby, delaySeconds, password, &TestClock);
        TickAt(remaining);
        return window;
    }

    void TickAt(std::uint32_t remaining)
    {
        testNow = 100000 + (static_cast<DWORD>(run_.delaySeconds) - remaining) * 1000;
        ::SendMessageA(window_->Handle(), WM_TIMER, CountdownWindow::TIMER_DISPLAY, 0);
    }

    std::string InformationWindowText() const
    {
        char text[256] = {};
        ::GetWindowTextA(::GetDlgItem(window_->Handle(), IDC_INFO), text, sizeof text);
        return text;
    }

    HWND ItemOf(int id) const { return ::GetDlgItem(window_->Handle(), id); }

    bool IsAtRestBottomRight() const
    {
        const RECT rect = WindowRect(window_->Handle());
        const RECT area = WorkArea();
        return ::IsWindowVisible(window_->Handle()) && window_->SlideState() == SlideAnimation::State::Idle &&
               rect.right == area.right && rect.bottom <= area.bottom && rect.bottom > area.bottom - 5;
    }

    void TearDown() override
    {
        window_.reset();
        PumpFor(20);
    }

    test_support::ScopedLanguageFile language_{kEntries};
    RunParameters run_;
    std::optional<CountdownWindow> window_;
    std::optional<int> quitCode_;
};

TEST_F(CountdownWindowTest, InitialisesHiddenTranslatedWithProductCaptionAndTrayIcon)
{
    CountdownWindow& window = Start(ShutdownAction::Standby, 60);
    HWND hwnd = window.Handle();
    EXPECT_FALSE(::IsWindowVisible(hwnd));
    EXPECT_EQ(test_support::ControlText(hwnd), "Tolvrin Shutdown Manager " TOLVRIN_VERSION_TEXT);
    EXPECT_EQ(test_support::ControlText(::GetDlgItem(hwnd, IDCANCEL)), "Abort");
    EXPECT_EQ(test_support::ControlText(::GetDlgItem(hwnd, IDC_HIDE)), "Put away");
    EXPECT_TRUE(window.InfoLabel().IsAttached());
    EXPECT_EQ(window.InfoLabel().TextColour(), RGB(180, 70, 0));

    EXPECT_TRUE(window.Tray().IsShown()) << "Shell_NotifyIconA(NIM_ADD) failed";
    const NOTIFYICONDATAA& icon = window.Tray().Data();
    EXPECT_EQ(icon.hWnd, hwnd);
    EXPECT_EQ(icon.uID, 128u);
    EXPECT_EQ(icon.uCallbackMessage, 0x0790u);
    EXPECT_STREQ(icon.szTip, "Tolvrin Shutdown Manager");
}

SIZE IconSize(HICON icon)
{
    ICONINFO info{};
    if (icon == nullptr || !::GetIconInfo(icon, &info)) {
        return SIZE{};
    }
    BITMAP colour{};
    ::GetObjectA(info.hbmColor, sizeof colour, &colour);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return SIZE{colour.bmWidth, colour.bmHeight};
}

TEST_F(CountdownWindowTest, IconsComeAtTheSizesTheSystemAsksFor)
{
    CountdownWindow& window = Start(ShutdownAction::Standby, 60);
    const auto windowIcon = [&](WPARAM which) {
        return IconSize(reinterpret_cast<HICON>(::SendMessageA(window.Handle(), WM_GETICON, which, 0)));
    };
    const SIZE small{::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON)};
    const SIZE big{::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)};
    EXPECT_EQ(windowIcon(ICON_SMALL).cx, small.cx);
    EXPECT_EQ(windowIcon(ICON_SMALL).cy, small.cy);
    EXPECT_EQ(windowIcon(ICON_BIG).cx, big.cx);
    EXPECT_EQ(windowIcon(ICON_BIG).cy, big.cy);
    const SIZE tray = IconSize(window.Tray().Data().hIcon);
    EXPECT_EQ(tray.cx, small.cx) << "the notification area shows small icons";
    EXPECT_EQ(tray.cy, small.cy);
}

TEST_F(CountdownWindowTest, DisplayTickWritesActionAndFullDelayDuringTheFirstSecond)
{
    CountdownWindow& window = Start(ShutdownAction::Standby, 3725);
    ::SendMessageA(window.Handle(), WM_TRAYNOTIFY, kTrayIconId, WM_LBUTTONDOWN);
    ASSERT_TRUE(PumpUntil([&] { return window.InfoLabel().Text().rfind("Going", 0) == 0; }, 2000));
    EXPECT_EQ(window.InfoLabel().Text(), "Going to stand by in 1:02:05");
}

// Screen readers announce the control's window text: it follows the label.
TEST_F(CountdownWindowTest, InformationWindowTextIsWhatTheLabelShows)
{
    CountdownWindow& window = StartOnTestClock(3725, 3725);
    ::SendMessageA(window.Handle(), WM_TRAYNOTIFY, kTrayIconId, WM_LBUTTONDOWN);
    TickAt(3724);
    EXPECT_EQ(window.InfoLabel().Text(), "Going to stand by in 1:02:04");
    EXPECT_EQ(InformationWindowText(), "Going to stand by in 1:02:04");
}

TEST_F(CountdownWindowTest, HiddenWindowSkipsTheTextAndHasItRightTheMomentItShows)
{
    CountdownWindow& window = StartOnTestClock(3725, 3725);
    EXPECT_EQ(window.InfoLabel().Text(), "_Info") << "a hidden window's text waits";
    EXPECT_FALSE(::IsWindowVisible(window.Handle())) << "far from the end the window stays hidden";

    TickAt(3700);
    ::SendMessageA(window.Handle(), WM_TRAYNOTIFY, kTrayIconId, WM_LBUTTONDOWN);
    ASSERT_TRUE(::IsWindowVisible(window.Handle()));
    EXPECT_EQ(window.InfoLabel().Text(), "Going to stand by in 1:01:40") << "shown with the time of the last tick";
    EXPECT_EQ(InformationWindowText(), "Going to stand by in 1:01:40");

    // Shown, every tick rebuilds it.
    TickAt(3699);
    EXPECT_EQ(window.InfoLabel().Text(), "Going to stand by in 1:01:39");
}

TEST_F(CountdownWindowTest, LastSecondsDisableHideHandTheFocusToCancelAndKeepTheWindowOnTop)
{
    CountdownWindow& window = StartOnTestClock(600, 300);
    const HWND hwnd = window.Handle();
    ::SendMessageA(hwnd, WM_TRAYNOTIFY, kTrayIconId, WM_LBUTTONDOWN);
    ASSERT_TRUE(PumpUntil([&] { return IsAtRestBottomRight(); }));
    ::SendMessageA(hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(ItemOf(IDC_HIDE)), TRUE);
    ASSERT_EQ(::GetFocus(), ItemOf(IDC_HIDE));
    EXPECT_FALSE(::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);

    TickAt(15);
    EXPECT_TRUE(window.IsKeptInView());
    EXPECT_FALSE(::IsWindowEnabled(ItemOf(IDC_HIDE)));
    EXPECT_EQ(::GetFocus(), ItemOf(IDCANCEL));
    EXPECT_TRUE(::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);

    // Neither the Hide command, nor the tray icon's click, nor its menu entry
    // takes the window away.
    ::SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_HIDE, BN_CLICKED), 0);
    ::SendMessageA(hwnd, WM_TRAYNOTIFY, kTrayIconId, WM_LBUTTONDOWN);
    window.SlideOut();
    EXPECT_EQ(window.SlideState(), SlideAnimation::State::Idle);
    EXPECT_TRUE(IsAtRestBottomRight());

    window.EndRun(2);
    ASSERT_TRUE(PumpUntil([&] { return quitCode_.has_value(); }, 1000));
    EXPECT_EQ(*quitCode_, 2) << "Cancel still ends the run";
}

TEST_F(CountdownWindowTest, LastSecondsBringTheWindowOnTopWithoutTakingTheForeground)
{
    // The window the user is typing in.
    const HWND typing = ::CreateWindowExA(0, "EDIT", "typing here", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                          300, 200, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(typing, nullptr);
    ::SetForegroundWindow(typing);
    ::SetFocus(typing);
    ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == typing; }, 1000));

    CountdownWindow& window = StartOnTestClock(600, 10);
    ASSERT_TRUE(PumpUntil([&] { return IsAtRestBottomRight(); }));
    EXPECT_TRUE(::GetWindowLongA(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(::GetForegroundWindow(), typing);
    EXPECT_EQ(::GetFocus(), typing);
    ::DestroyWindow(typing);
}

TEST_F(CountdownWindowTest, PasswordPromptOfTheLastSecondsIsOwnedAndAboveAndARefusalChangesNothing)
{
    CountdownWindow& window = StartOnTestClock(600, 10, "pw");
    const HWND hwnd = window.Handle();
    ASSERT_TRUE(PumpUntil([&] { return IsAtRestBottomRight(); }));
    HWND owner = nullptr;
    bool promptOnTop = false;
    std::thread user([&] {
        HWND prompt = WaitForPrompt();
        owner = ::GetWindow(prompt, GW_OWNER);
        promptOnTop = (::GetWindowLongA(prompt, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        test_support::PostCommand(prompt, IDCANCEL);
    });
    window.EndRun(2);
    user.join();
    EXPECT_EQ(owner, hwnd);
    EXPECT_TRUE(promptOnTop) << "a prompt below the topmost window would be hidden by it";

    PumpFor(50);
    EXPECT_FALSE(quitCode_.has_value());
    EXPECT_TRUE(IsAtRestBottomRight());
    EXPECT_FALSE(::IsWindowEnabled(ItemOf(IDC_HIDE)));
    EXPECT_TRUE(::IsWindowEnabled(ItemOf(IDCANCEL)));
    EXPECT_TRUE(::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(CountdownWindowTest, ShortDelaySlidesInAtTheFirstTickAndExpiresWithTheAction)
{
    CountdownWindow& window = Start(ShutdownAction::Standby, 2);
    HWND hwnd = window.Handle();
    ASSERT_TRUE(PumpUntil([&] { return IsAtRestBottomRight(); }, 3000));
    EXPECT_TRUE(RecordedSystemCalls().empty()) << "nothing is carried out before the delay has passed";

    ASSERT_TRUE(PumpUntil([&] { return quitCode_.has_value(); }, 5000));
    EXPECT_EQ(*quitCode_, 1);
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_FALSE(window.Tray().IsShown());
    std::vector<std::string> expected = test_support::PrivilegeStepCalls();
    expected.push_back("SetSystemPowerState(1, 1)");
    EXPECT_EQ(RecordedPowerCalls(), expected);
}

TEST_F(CountdownWindowTest, ActionOutsideTheTableExpiresWithoutAnyCallAndEndsWithThree)
{
    Start(static_cast<ShutdownAction>(6), 1);
    ASSERT_TRUE(PumpUntil([&] { return quitCode_.has_value(); }, 5000));
    EXPECT_EQ(*quitCode_, 3);
    EXPECT_TRUE(RecordedPowerCalls().empty());
}

TEST_F(CountdownWindowTest, CallTheSystemRefusesEndsWithThree)
{
    Start(ShutdownAction::Hibernate, 0);
    test_support::FailingPowerCalls().setSystemPowerState = true;
    ASSERT_TRUE(PumpUntil([&] { return quitCode_.has_value(); }, 5000));
    EXPECT_EQ(*quitCode_, 3);
    EXPECT_EQ(RecordedSystemCalls(), std::vector<std::string>{"SetSystemPowerState(0, 1)"});
}

TEST_F(CountdownWindowTest, FailedAllocationsSkipTheRefreshButNeitherEndTheProcessNorHoldBackTheAction)
{
    CountdownWindow& window = Start(ShutdownAction::Standby, 2);
    test_support::AllocationWatch allocations;
    allocations.FailAll(true);
    ASSERT_TRUE(PumpUntil([&] { return quitCode_.has_value(); }, 5000));
    allocations.FailAll(false);
    EXPECT_GE(allocations.Refused(), 2u) << "the display ticks tried to refresh";
    EXPECT_EQ(window.InfoLabel().Text(), "_Info") << "no refresh without memory";
    EXPECT_EQ(*quitCode_, 1);
    EXPECT_EQ(RecordedSystemCalls(), std::vector<std::string>{"SetSystemPowerState(1, 1)"});
}

TEST_F(CountdownWindowTest, ZeroDelayExpiresBeforeTheWindowIsEverShown)
{
    CountdownWindow& window = Start(ShutdownAction::Standby, 0);
    bool everShown = false;
    ASSERT_TRUE(PumpUntil([&] {
        everShown = everShown || (window.Handle() && ::IsWindowVisible(window.Handle()));
        return quitCode_.has_value();
    }));
    EXPECT_EQ(*quitCode_, 1);
    EXPECT_FALSE(everShown);
}

TEST_F(CountdownWindowTest, CancelWithoutPasswordEndsAtOnceWithTwo)
{
    CountdownWindow& window = Start(ShutdownAction::Shutdown, 60);
    HWND hwnd = window.Handle();
    ::SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    ASSERT_TRUE(PumpUntil([&] { return quitCode_.has_value(); }, 1000));
    EXPECT_EQ(*quitCode_, 2);
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_FALSE(window.Tray().IsShown());
    EXPECT_TRUE(RecordedPowerCalls().empty());
}

TEST_F(CountdownWindowTest, CloseBoxActsAsCancel)
{
    CountdownWindow& window = Start(ShutdownAction::Shutdown, 60);
    ::SendMessageA(window.Handle(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return quitCode_.has_value(); }, 1000));
    EXPECT_EQ(*quitCode_, 2);
}

TEST_F(CountdownWindowTest, TrayClickSlidesInThenOutAndIgnoresClicksDuringAnimation)
{
    CountdownWindow& window = Start(ShutdownAction::Standby, 600);
    HWND hwnd = window.Handle();

    ::SendMessageA(hwnd, WM_TRAYNOTIFY, kTrayIconId, WM_LBUTTONDOWN);
    EXPECT_EQ(window.SlideState(), SlideAnimation::State::SlidingIn);
    EXPECT_EQ(WindowRect(hwnd).top, WorkArea().bottom) << "it enters from just below the work area";
    // A second click and Hide during the slide-in do nothing.
    ::SendMessageA(hwnd, WM_TRAYNOTIFY, kTrayIconId, WM_LBUTTONDOWN);
    ::SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_HIDE, BN_CLICKED), 0);
    EXPECT_EQ(window.SlideState(), SlideAnimation::State::SlidingIn);
    ASSERT_TRUE(PumpUntil([&] { return IsAtRestBottomRight(); }));

    ::SendMessageA(hwnd, WM_TRAYNOTIFY, kTrayIconId, WM_LBUTTONDOWN);
    EXPECT_EQ(window.SlideState(), SlideAnimation::State::SlidingOut);
    ::SendMessageA(hwnd, WM_TRAYNOTIFY, kTrayIconId, WM_LBUTTONDOWN);
    EXPECT_EQ(window.SlideState(), SlideAnimation::State::SlidingOut);
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(hwnd); }));
    EXPECT_EQ(window.SlideState(), SlideAnimation::State::Idle);
    EXPECT_GT(WindowRect(hwnd).top, WorkArea().bottom);
}

TEST_F(CountdownWindowTest, TrayClickActivatesTheWindowAndEnterPressesTheFocusedCancel)
{
    CountdownWindow& window = Start(ShutdownAction::Standby, 600);
    HWND hwnd = window.Handle();
    ::SendMessageA(hwnd, WM_TRAYNOTIFY, kTrayIconId, WM_LBUTTONDOWN);
    EXPECT_EQ(::GetForegroundWindow(), hwnd);
    HWND cancel = ::GetDlgItem(hwnd, IDCANCEL);
    EXPECT_EQ(::GetFocus(), cancel);

    // Through the dialog manager, as the message loop's filter hands it over.
    ::PostMessageA(cancel, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    ASSERT_TRUE(PumpUntil([&] { return quitCode_.has_value(); }, 2000));
    EXPECT_EQ(*quitCode_, 2);
}

TEST_F(CountdownWindowTest, TrayReleasesDoubleClicksAndMovesDoNothing)
{
    CountdownWindow& window = Start(ShutdownAction::Standby, 600);
    HWND hwnd = window.Handle();
    for (LPARAM mouse : {WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP, WM_MOUSEMOVE, WM_MBUTTONDOWN}) {
        EXPECT_EQ(::SendMessageA(hwnd, WM_TRAYNOTIFY, kTrayIconId, mouse), 0);
        EXPECT_EQ(window.SlideState(), SlideAnimation::State::Idle) << mouse;
        EXPECT_FALSE(::IsWindowVisible(hwnd)) << mouse;
    }
}

TEST_F(CountdownWindowTest, HideButtonSlidesOutAndTheLastSecondsBringTheWindowBack)
{
    CountdownWindow& window = StartOnTestClock(600, 20);
    HWND hwnd = window.Handle();
    ::SendMessageA(hwnd, WM_TRAYNOTIFY, kTrayIconId, WM_LBUTTONDOWN);
    ASSERT_TRUE(PumpUntil([&] { return IsAtRestBottomRight(); }));
    ::SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_HIDE, BN_CLICKED), 0);
    ASSERT_EQ(window.SlideState(), SlideAnimation::State::SlidingOut);
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(hwnd); }));
    // The last seconds begin: the next display tick slides it in again.
    TickAt(15);
    EXPECT_EQ(window.SlideState(), SlideAnimation::State::SlidingIn);
    EXPECT_TRUE(PumpUntil([&] { return IsAtRestBottomRight(); }));
    window.EndRun(2);
}

// Whether the shell still holds the icon: deleting it again only succeeds
// while it is there (and puts it back afterwards).
bool ShellHoldsIcon(const NOTIFYICONDATAA& icon)
{
    NOTIFYICONDATAA copy = icon;
    if (!::Shell_NotifyIconA(NIM_DELETE, &copy)) {
        return false;
    }
    ::Shell_NotifyIconA(NIM_ADD, &copy);
    return true;
}

TEST_F(CountdownWindowTest, IconLeavesTheShellWhenTheRunEnds)
{
    CountdownWindow& window = Start(ShutdownAction::Standby, 600);
    const NOTIFYICONDATAA icon = window.Tray().Data();
    ASSERT_TRUE(ShellHoldsIcon(icon));
    window.EndRun(2);
    EXPECT_FALSE(ShellHoldsIcon(icon));
}

TEST_F(CountdownWindowTest, GivingUpAtThePasswordPromptLeavesTheRunAsItWas)
{
    CountdownWindow& window = Start(ShutdownAction::Standby, 600, "pw");
    const NOTIFYICONDATAA icon = window.Tray().Data();
    ::SendMessageA(window.Handle(), WM_TRAYNOTIFY, kTrayIconId, WM_LBUTTONDOWN);
    ASSERT_TRUE(PumpUntil([&] { return IsAtRestBottomRight(); }));
    std::thread user([] {
        HWND prompt = WaitForPrompt();
        test_support::PostCommand(prompt, IDCANCEL);
    });
    window.EndRun(2);
    user.join();

    PumpFor(50);
    EXPECT_FALSE(quitCode_.has_value());
    EXPECT_TRUE(::IsWindow(window.Handle()));
    EXPECT_TRUE(IsAtRestBottomRight());
    EXPECT_TRUE(ShellHoldsIcon(icon));
    // The timers run on: the display is refreshed.
    const std::string before = window.InfoLabel().Text();
    EXPECT_TRUE(PumpUntil([&] { return window.InfoLabel().Text() != before; }, 2000));

    std::thread owner([] {
        HWND prompt = WaitForPrompt();
        test_support::TypePassword(prompt, "pw");
        test_support::PostCommand(prompt, IDOK);
    });
    window.EndRun(2);
    owner.join();
    ASSERT_TRUE(PumpUntil([&] { return quitCode_.has_value(); }, 1000));
    EXPECT_EQ(*quitCode_, 2);
    EXPECT_FALSE(ShellHoldsIcon(icon));
}

TEST_F(CountdownWindowTest, ExpiryUnderAnOpenPromptCarriesOutTheAction)
{
    CountdownWindow& window = Start(ShutdownAction::Standby, 1, "pw");
    HWND hwnd = window.Handle();
    HWND prompt = nullptr;
    std::thread user([&] { prompt = WaitForPrompt(); });
    // Nobody answers the prompt: the countdown runs out under it.
    window.EndRun(2);
    user.join();

    PumpFor(50);
    ASSERT_TRUE(quitCode_.has_value());
    EXPECT_EQ(*quitCode_, 1) << "the cancellation came too late";
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_FALSE(::IsWindow(prompt));
    EXPECT_EQ(RecordedSystemCalls(), std::vector<std::string>{"SetSystemPowerState(1, 1)"});
}

TEST_F(CountdownWindowTest, ComingInByItselfPlaysTheSoundEventOnceAndTheUsersShowNever)
{
    CountdownWindow& window = StartOnTestClock(600, 30);
    window.UsePlaySound(test_support::RecordingPlaySound());
    const HWND hwnd = window.Handle();
    ::SendMessageA(hwnd, WM_TRAYNOTIFY, kTrayIconId, WM_LBUTTONDOWN);
    ASSERT_TRUE(PumpUntil([&] { return IsAtRestBottomRight(); }));
    ::SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDC_HIDE, BN_CLICKED), 0);
    ASSERT_TRUE(PumpUntil([&] { return !::IsWindowVisible(hwnd); }));
    EXPECT_TRUE(test_support::RecordedSounds().empty()) << "the user's show is silent";

    TickAt(15);
    ASSERT_EQ(window.SlideState(), SlideAnimation::State::SlidingIn);
    char expected[80];
    std::snprintf(expected, sizeof expected, "PlaySound(TolvrinCountdownEnding, null, 0x%lx)",
                  static_cast<unsigned long>(SND_ALIAS | SND_APPLICATION | SND_ASYNC | SND_NODEFAULT));
    EXPECT_EQ(test_support::RecordedSounds(), std::vector<std::string>{expected});
    for (std::uint32_t remaining = 14; remaining > 0; --remaining) {
        TickAt(remaining);
    }
    EXPECT_EQ(test_support::RecordedSounds().size(), 1u) << "once in a run";
    EXPECT_TRUE(RecordedSystemCalls().empty());
}

TEST_F(CountdownWindowTest, WindowTheUserShowedBeforeTheLastSecondsPlaysNoSound)
{
    CountdownWindow& window = StartOnTestClock(600, 20);
    window.UsePlaySound(test_support::RecordingPlaySound());
    ::SendMessageA(window.Handle(), WM_TRAYNOTIFY, kTrayIconId, WM_LBUTTONDOWN);
    ASSERT_TRUE(PumpUntil([&] { return IsAtRestBottomRight(); }));
    TickAt(15);
    TickAt(10);
    EXPECT_TRUE(window.IsKeptInView());
    EXPECT_TRUE(test_support::RecordedSounds().empty());
}

// The live region's events in this process, with the test clock's time when
// each came: a WinEvent hook out of context, as a screen reader sets it.
std::vector<DWORD>* liveRegionEventTimes = nullptr;

void CALLBACK OnLiveRegionChanged(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    if (liveRegionEventTimes != nullptr && object == OBJID_CLIENT && child == CHILDID_SELF &&
        ::GetDlgCtrlID(window) == IDC_INFO) {
        liveRegionEventTimes->push_back(testNow);
    }
}

TEST_F(CountdownWindowTest, LabelIsAnnouncedAtTheSlideInAndThenEveryFiveSecondsWhileInView)
{
    std::vector<DWORD> times;
    liveRegionEventTimes = &times;
    const HWINEVENTHOOK hook = ::SetWinEventHook(0x8019, 0x8019, nullptr, &OnLiveRegionChanged,
                                                 ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    CountdownWindow& window = StartOnTestClock(600, 17);
    // Every half second from 16 s left, as the display timer ticks; the
    // events of a tick are taken before the next.
    for (DWORD msLeft = 16000; msLeft >= 500; msLeft -= 500) {
        testNow = 100000 + 600000 - msLeft;
        ::SendMessageA(window.Handle(), WM_TIMER, CountdownWindow::TIMER_DISPLAY, 0);
        PumpFor(5);
    }
    ::UnhookWinEvent(hook);
    liveRegionEventTimes = nullptr;

    const DWORD slideIn = 100000 + 600000 - 15000;
    EXPECT_EQ(times, (std::vector<DWORD>{slideIn, slideIn + 5000, slideIn + 10000}))
        << "nothing while hidden, then at the slide-in and every five seconds";
}

TEST_F(CountdownWindowTest, TaskbarRecreationAddsTheIconAgain)
{
    CountdownWindow& window = Start(ShutdownAction::Standby, 600);
    // What the shell would do: remove every icon, then announce the new area.
    NOTIFYICONDATAA icon = window.Tray().Data();
    ASSERT_TRUE(::Shell_NotifyIconA(NIM_DELETE, &icon));
    ::SendMessageA(window.Handle(), ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(window.Tray().IsShown());
    icon = window.Tray().Data();
    EXPECT_TRUE(::Shell_NotifyIconA(NIM_DELETE, &icon)) << "the icon was not added again";
    ::Shell_NotifyIconA(NIM_ADD, &icon);
}

}  // namespace

namespace {

// A translation about two and a half times the English, with a word no line
// can break: the window grows until the text fits, and its buttons move down
// whole.
TEST_F(CountdownWindowTest, LongInformationTextGrowsTheWindowUpAndLeftAndKeepsTheButtonsWhole)
{
    const test_support::ScopedLanguageFile longText(
        "_Standby=in den Energiesparmodus wechseln\r\n"
        "_InformationFormate=Achtung: Ihr Computer wird planmaessig %s, und zwar nach Ablauf der "
        "Donaudampfschifffahrtsgesellschaftswartezeit von\\n%d Stunden, %02d Minuten und %02d Sekunden\r\n");
    CountdownWindow& window = Start(ShutdownAction::Standby, 3600);
    const HWND hwnd = window.Handle();
    const RECT before = WindowRect(hwnd);
    // The text is rebuilt, and the window grown, as it comes into view.
    ::SendMessageA(hwnd, WM_TRAYNOTIFY, kTrayIconId, WM_LBUTTONDOWN);
    ASSERT_NE(window.InfoLabel().Text().find("Energiespar"), std::string::npos);
    ASSERT_TRUE(PumpUntil([&] { return IsAtRestBottomRight(); }));

    const RECT after = WindowRect(hwnd);
    EXPECT_GT(after.right - after.left, before.right - before.left);
    EXPECT_GT(after.bottom - after.top, before.bottom - before.top);

    const HWND label = ::GetDlgItem(hwnd, IDC_INFO);
    RECT labelRect{};
    ::GetClientRect(label, &labelRect);
    RECT need{0, 0, labelRect.right, 0};
    const HDC dc = ::GetDC(label);
    const HGDIOBJ old = ::SelectObject(dc, window.InfoLabel().Font());
    ::DrawTextA(dc, window.InfoLabel().Text().c_str(), -1, &need, DT_WORDBREAK | DT_CALCRECT);
    ::SelectObject(dc, old);
    ::ReleaseDC(label, dc);
    EXPECT_LE(need.right, labelRect.right) << "the long word is cut";
    EXPECT_LE(need.bottom, labelRect.bottom) << "the last lines are cut";

    RECT client{};
    ::GetClientRect(hwnd, &client);
    const RECT labelInWindow = [&] {
        RECT r = WindowRect(label);
        ::MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }();
    for (const int id : {IDCANCEL, IDC_HIDE}) {
        RECT button = WindowRect(::GetDlgItem(hwnd, id));
        ::MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&button), 2);
        EXPECT_GE(button.top, labelInWindow.bottom) << "button " << id << " covers the text";
        EXPECT_TRUE(button.left >= 0 && button.right <= client.right && button.bottom <= client.bottom)
            << "button " << id << " is clipped";
    }
}

}  // namespace
