// The real program driven by real X keyboard and mouse events (xdotool), the
// way a user drives it, and judged by its exit code and what its windows
// show. Each scenario starts a fresh process.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "resource.h"
#include "support/owned_window.h"
#include "support/program_process.h"
#include "support/program_windows.h"
#include "support/real_input.h"
#include "support/window_finder.h"
#include "ui/placement.h"

namespace {

using test_support::ControlText;
using test_support::FocusOfThreadOf;
using test_support::IsShownAtBottomRight;
using test_support::ProgramPath;
using test_support::ProgramProcess;
using test_support::WaitUntil;
using test_support::Xdotool;

constexpr DWORD kExitTimeoutMs = 10000;

class RealInputEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!test_support::CanSendRealInput()) {
            GTEST_SKIP() << "real input needs Wine and /usr/bin/xdotool";
        }
    }

    void TearDown() override
    {
        // Wine needs a moment before the next copy takes the mutex and the
        // display again.
        ::Sleep(300);
    }

    // True once the keyboard focus of the window's thread is on the control.
    static bool WaitForFocus(HWND dialog, int controlId)
    {
        return WaitUntil([&] { return FocusOfThreadOf(dialog) == ::GetDlgItem(dialog, controlId); }, 5000);
    }

    static bool PressUntilFocused(HWND dialog, const char* key, int controlId)
    {
        return Xdotool(std::string("key ") + key) && WaitForFocus(dialog, controlId);
    }

    // The dialog, shown, with the X keyboard focus (GiveKeyboardFocusTo):
    // Wine does not always hand it over to a window activated as it appears.
    static HWND WaitForFocusedParametersDialog(const ProgramProcess& program)
    {
        const HWND dialog = test_support::WaitForParametersDialog(program.Id());
        return dialog != nullptr && test_support::GiveKeyboardFocusTo(dialog) ? dialog : nullptr;
    }

    static bool ClickTrayIcon(int button)
    {
        POINT icon{};
        if (!WaitUntil([&] { return test_support::FirstTrayIconPosition(icon); }, 5000)) {
            return false;
        }
        return Xdotool("mousemove " + std::to_string(icon.x) + " " + std::to_string(icon.y) + " click " +
                       std::to_string(button));
    }

    // Opens the icon's menu with a right click and clicks its entry `index`
    // (0 show or hide, 1 cancel): two entries of equal height, no separator.
    static bool ChooseFromTrayMenu(const ProgramProcess& program, int index)
    {
        if (!ClickTrayIcon(3)) {
            return false;
        }
        const HWND menu = test_support::WaitForWindow(
            program.Id(),
            [](HWND window) { return test_support::ClassName(window) == "#32768" && ::IsWindowVisible(window); },
            3000);
        if (menu == nullptr) {
            return false;
        }
        // Wine's menu lies over its tray window: a click on the part that
        // overlaps may reach the tray as well and toggle the window. Each
        // entry is clicked as low as it goes, below the tray window if it can.
        const RECT rect = ui::WindowRect(menu);
        const LONG entryHeight = (rect.bottom - rect.top) / 2;
        const LONG x = (rect.left + rect.right) / 2;
        const LONG y = rect.top + entryHeight * (index + 1) - 4;
        return Xdotool("mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1") &&
               WaitUntil([&] { return !::IsWindowVisible(menu); });
    }

    // Wine maps its windows on the X server a little after they are visible
    // to Win32: a click in between is lost (the menu closes without a choice,
    // or never opens). A lost click changes nothing, so the choice is made
    // again, a few times at most, until its outcome shows.
    static bool ChooseFromTrayMenuUntil(const ProgramProcess& program, int index,
                                        const std::function<bool()>& outcome)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (ChooseFromTrayMenu(program, index) && WaitUntil(outcome, 3000)) {
                return true;
            }
        }
        return false;
    }

    static bool WaitUntilShown(HWND window) { return WaitUntil([&] { return IsShownAtBottomRight(window); }); }

    // A left click on the icon shows the countdown window, which then has the
    // focus on Cancel, and the X keyboard focus is given to it. Shown again
    // after a hide, it is the foreground window, yet Wine does not always
    // move the X focus to it (no X focus-in follows), and the next keys were
    // lost.
    static bool ShowByIconClick(HWND window)
    {
        return ClickTrayIcon(1) && WaitUntilShown(window) && WaitForFocus(window, IDCANCEL) &&
               test_support::GiveKeyboardFocusTo(window);
    }
    static bool WaitUntilHidden(HWND window) { return WaitUntil([&] { return !::IsWindowVisible(window); }); }

    // The program's countdown window, shown by a click on the icon; null when
    // it did not come or did not show.
    static HWND ShownCountdownWindow(const ProgramProcess& program)
    {
        const HWND window = test_support::WaitForCountdownWindow(program.Id());
        return window != nullptr && ShowByIconClick(window) ? window : nullptr;
    }

    static bool ClickMiddleOf(HWND control)
    {
        const RECT rect = ui::WindowRect(control);
        return Xdotool("mousemove " + std::to_string((rect.left + rect.right) / 2) + " " +
                       std::to_string((rect.top + rect.bottom) / 2) + " click 1");
    }

    // `hideKey` hides the shown window and the run goes on; shown again by the
    // icon (the focus on Cancel), `cancelKey` cancels it.
    static void HideThenCancelByKeys(ProgramProcess& program, HWND window, const char* hideKey, const char* cancelKey)
    {
        ASSERT_TRUE(Xdotool(std::string("key ") + hideKey));
        EXPECT_TRUE(WaitUntilHidden(window)) << hideKey << " hides";
        EXPECT_TRUE(program.IsRunning());
        ASSERT_TRUE(ShowByIconClick(window));
        ASSERT_TRUE(Xdotool(std::string("key ") + cancelKey));
        EXPECT_EQ(program.WaitForExit(kExitTimeoutMs), 2u) << cancelKey << " cancels";
    }

    // Types a wrong password into the prompt and closes the refusal with
    // Return once the message has the X keyboard focus (GiveKeyboardFocusTo),
    // as a user presses Return on a message they see; the focus is then back
    // in the password box. Sent as soon as the message is shown, the Return
    // still reaches it (Wine hands keys to the Win32 focus), but it may close
    // the message before the program's thread has read the X focus events of
    // the message's own activation. The prompt's focus-out is then read after
    // the prompt has been reactivated, while the X focus still lies on the
    // message's X window, which Wine no longer knows: Wine takes that for the
    // user gone to another X client, makes the desktop the foreground window,
    // and every later key is lost. Not so on Windows.
    static ::testing::AssertionResult TypeWrongPasswordAndConfirmRefusal(const ProgramProcess& program, HWND prompt)
    {
        if (!Xdotool("type wrong") || !Xdotool("key Return")) {
            return ::testing::AssertionFailure() << "could not type";
        }
        const HWND refusal = test_support::WaitForMessageBox(program.Id());
        if (refusal == nullptr) {
            return ::testing::AssertionFailure() << "a wrong password is not refused";
        }
        if (!test_support::GiveKeyboardFocusTo(refusal) || !Xdotool("key Return") ||
            !test_support::WaitUntilGone(refusal)) {
            return ::testing::AssertionFailure() << "the refusal stays";
        }
        if (!WaitForFocus(prompt, IDC_PASSWORD)) {
            return ::testing::AssertionFailure() << "the focus is not back in the password box";
        }
        return ::testing::AssertionSuccess();
    }
};

TEST_F(RealInputEndToEnd, ParametersDialogByKeyboardAloneStartsAProtectedStandByInTenSeconds)
{
    ProgramProcess program(ProgramPath(), "");
    const HWND dialog = WaitForFocusedParametersDialog(program);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitForFocus(dialog, IDOK)) << "the dialog opens with the focus on OK";

    // Tab visits every control in order; the password boxes join once the
    // box is ticked.
    ASSERT_TRUE(PressUntilFocused(dialog, "Tab", IDCANCEL));
    ASSERT_TRUE(PressUntilFocused(dialog, "Tab", IDC_ACTION));
    ASSERT_TRUE(Xdotool("key Up Up Up Up Up Up"));
    EXPECT_TRUE(WaitUntil([&] { return ::SendMessageA(::GetDlgItem(dialog, IDC_ACTION), CB_GETCURSEL, 0, 0) == 0; }))
        << "the arrows choose stand by, the first action";
    ASSERT_TRUE(PressUntilFocused(dialog, "Tab", IDC_HOURS));
    ASSERT_TRUE(Xdotool("key Up"));
    EXPECT_TRUE(WaitUntil([&] { return ControlText(::GetDlgItem(dialog, IDC_HOURS)) == "0"; }));
    ASSERT_TRUE(PressUntilFocused(dialog, "Tab", IDC_MINUTES));
    ASSERT_TRUE(PressUntilFocused(dialog, "Tab", IDC_SECONDS));
    ASSERT_TRUE(Xdotool("key Down Down Down Down Down Down Down Down Down Down"));
    EXPECT_TRUE(WaitUntil([&] { return ControlText(::GetDlgItem(dialog, IDC_SECONDS)) == "10"; }));
    ASSERT_TRUE(PressUntilFocused(dialog, "Tab", IDC_USE_PASSWORD));
    ASSERT_TRUE(Xdotool("key space"));
    EXPECT_TRUE(WaitUntil([&] {
        return ::SendMessageA(::GetDlgItem(dialog, IDC_USE_PASSWORD), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }));
    ASSERT_TRUE(PressUntilFocused(dialog, "Tab", IDC_PASSWORD));
    ASSERT_TRUE(Xdotool("type secret"));
    ASSERT_TRUE(PressUntilFocused(dialog, "Tab", IDC_PASSWORD_REPEAT));
    ASSERT_TRUE(Xdotool("type secret"));
    ASSERT_TRUE(PressUntilFocused(dialog, "Tab", IDOK)) << "and round to OK again";
    ASSERT_TRUE(PressUntilFocused(dialog, "shift+Tab", IDC_PASSWORD_REPEAT));

    ASSERT_TRUE(Xdotool("key Return"));
    ASSERT_TRUE(test_support::WaitUntilGone(dialog));
    const HWND countdown = test_support::WaitForCountdownWindow(program.Id());
    ASSERT_NE(countdown, nullptr) << "the run starts";
    // A delay of ten seconds lies within the last fifteen, so the window
    // comes in by itself at once, telling the action and the time left.
    EXPECT_TRUE(WaitUntilShown(countdown));
    EXPECT_TRUE(WaitUntil([&] {
        const std::string text = ControlText(::GetDlgItem(countdown, IDC_INFO));
        return text.find("stand by") != std::string::npos && text.find("0:00:") != std::string::npos;
    })) << ControlText(::GetDlgItem(countdown, IDC_INFO));

    // The run is protected by what was typed: cancelling asks for it.
    test_support::PostCommand(countdown, IDCANCEL);
    const HWND prompt = test_support::WaitForPasswordPrompt(program.Id());
    ASSERT_NE(prompt, nullptr) << "no password prompt: the run is not protected";
    EXPECT_EQ(test_support::ExitCodeAfterPassword(program, prompt, "secret", kExitTimeoutMs), 2u);
}

TEST_F(RealInputEndToEnd, EscapeInAFreshParametersDialogEndsWithZero)
{
    ProgramProcess program(ProgramPath(), "");
    const HWND dialog = WaitForFocusedParametersDialog(program);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(WaitForFocus(dialog, IDOK));

    ASSERT_TRUE(Xdotool("key Escape"));
    EXPECT_EQ(program.WaitForExit(kExitTimeoutMs), 0u);
    EXPECT_EQ(test_support::WaitForCountdownWindow(program.Id(), 0), nullptr);
}

TEST_F(RealInputEndToEnd, TrayClickShowsTheWindowTabAndEnterHideItEnterOnCancelCancels)
{
    ProgramProcess program(ProgramPath(), "0,60,");
    const HWND window = ShownCountdownWindow(program);
    ASSERT_NE(window, nullptr) << "asked for, the window comes with the focus on Cancel";
    ASSERT_TRUE(PressUntilFocused(window, "Tab", IDC_HIDE));
    HideThenCancelByKeys(program, window, "Return", "Return");
}

TEST_F(RealInputEndToEnd, AltLettersPressHideAndCancel)
{
    ProgramProcess program(ProgramPath(), "0,60,");
    const HWND window = ShownCountdownWindow(program);
    ASSERT_NE(window, nullptr);

    HideThenCancelByKeys(program, window, "alt+h", "alt+c");
}

TEST_F(RealInputEndToEnd, InTheLastSecondsHideIsDisabledAndTheWindowStays)
{
    ProgramProcess program(ProgramPath(), "0,18,");
    const HWND window = ShownCountdownWindow(program);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(PressUntilFocused(window, "Tab", IDC_HIDE));

    const HWND hide = ::GetDlgItem(window, IDC_HIDE);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindowEnabled(hide); }, 8000)) << "Hide stays enabled";
    EXPECT_TRUE(WaitForFocus(window, IDCANCEL)) << "the focus leaves the disabled Hide for Cancel";
    EXPECT_TRUE(WaitUntil([&] { return (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }));

    // Neither a click on Hide, nor Alt+H, nor the tray icon takes it away.
    ASSERT_TRUE(ClickMiddleOf(hide));
    ASSERT_TRUE(Xdotool("key alt+h"));
    ASSERT_TRUE(ClickTrayIcon(1));
    ::Sleep(300);  // what a slide-out would have begun by now
    EXPECT_TRUE(IsShownAtBottomRight(window));
    EXPECT_TRUE(program.IsRunning());

    EXPECT_EQ(test_support::ExitCodeAfterCommand(program, window, IDCANCEL, kExitTimeoutMs), 2u);
}

TEST_F(RealInputEndToEnd, EscapeOnTheShownWindowCancels)
{
    ProgramProcess program(ProgramPath(), "0,60,");
    const HWND window = ShownCountdownWindow(program);
    ASSERT_NE(window, nullptr);

    ASSERT_TRUE(Xdotool("key Escape"));
    EXPECT_EQ(program.WaitForExit(kExitTimeoutMs), 2u);
}

TEST_F(RealInputEndToEnd, TypedPasswordWrongKeepsThePromptRightCancels)
{
    ProgramProcess program(ProgramPath(), "0,60,secret");
    const HWND window = ShownCountdownWindow(program);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Xdotool("key Return")) << "Enter on Cancel, where the focus is";
    const HWND prompt = test_support::WaitForPasswordPrompt(program.Id());
    ASSERT_NE(prompt, nullptr);
    ASSERT_TRUE(WaitForFocus(prompt, IDC_PASSWORD));

    ASSERT_TRUE(TypeWrongPasswordAndConfirmRefusal(program, prompt));
    EXPECT_TRUE(::IsWindowVisible(prompt)) << "the prompt stays for another try";
    EXPECT_TRUE(program.IsRunning()) << "the run goes on";

    ASSERT_TRUE(Xdotool("key ctrl+a BackSpace"));
    ASSERT_TRUE(WaitUntil([&] { return ControlText(::GetDlgItem(prompt, IDC_PASSWORD)).empty(); }));
    ASSERT_TRUE(Xdotool("type secret"));
    ASSERT_TRUE(Xdotool("key Return"));
    EXPECT_EQ(program.WaitForExit(kExitTimeoutMs), 2u);
}

TEST_F(RealInputEndToEnd, InTheLastSecondsAClickOnCancelAsksForThePasswordAboveTheWindow)
{
    ProgramProcess program(ProgramPath(), "0,14,secret");
    const HWND window = test_support::WaitForCountdownWindow(program.Id());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntilShown(window));
    ASSERT_TRUE(ClickMiddleOf(::GetDlgItem(window, IDCANCEL)));
    const HWND prompt = test_support::WaitForPasswordPrompt(program.Id());
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(::GetWindow(prompt, GW_OWNER), window);
    EXPECT_TRUE(::GetWindowLongA(prompt, GWL_EXSTYLE) & WS_EX_TOPMOST) << "the prompt would lie under the window";
    ASSERT_TRUE(WaitForFocus(prompt, IDC_PASSWORD));

    ASSERT_TRUE(TypeWrongPasswordAndConfirmRefusal(program, prompt));
    ASSERT_TRUE(Xdotool("type secret"));
    ASSERT_TRUE(Xdotool("key Return"));
    EXPECT_EQ(program.WaitForExit(kExitTimeoutMs), 2u);
}

TEST_F(RealInputEndToEnd, TypingElsewhereWhileTheWindowSlidesInByItselfLosesNoKeyAndSpaceDoesNotCancel)
{
    // The program the user is typing in: an edit window of the test, with the
    // foreground and the keyboard focus.
    HWND typing = ::CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_AUTOHSCROLL, 100, 100, 400,
                                    80, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(typing, nullptr);
    ::SetForegroundWindow(typing);
    ::SetFocus(typing);
    ASSERT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == typing && ::GetFocus() == typing; }));
    ASSERT_TRUE(test_support::GiveKeyboardFocusTo(typing));
    ASSERT_TRUE(Xdotool("type 'one '"));
    ASSERT_TRUE(WaitUntil([&] { return ControlText(typing) == "one "; })) << ControlText(typing);

    ProgramProcess program(ProgramPath(), "0,16,");
    const HWND window = test_support::WaitForCountdownWindow(program.Id());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Xdotool("type 'two '"));
    // Typing on while the window moves in, and after it has come to rest.
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(window) != FALSE; }));
    ASSERT_TRUE(Xdotool("type 'three four five '"));
    ASSERT_TRUE(WaitUntilShown(window));
    ASSERT_TRUE(Xdotool("type 'six seven'"));

    EXPECT_TRUE(WaitUntil([&] { return ControlText(typing) == "one two three four five six seven"; }))
        << "typed text was lost: " << ControlText(typing);
    EXPECT_EQ(::GetForegroundWindow(), typing);
    EXPECT_TRUE(program.IsRunning()) << "a typed Space cancelled the run";

    EXPECT_EQ(test_support::ExitCodeAfterCommand(program, window, IDCANCEL, kExitTimeoutMs), 2u);
    ::DestroyWindow(typing);
}

TEST_F(RealInputEndToEnd, TrayMenuByMouseShowsHidesAndCancels)
{
    ProgramProcess program(ProgramPath(), "0,60,");
    const HWND window = test_support::WaitForCountdownWindow(program.Id());
    ASSERT_NE(window, nullptr);

    EXPECT_TRUE(ChooseFromTrayMenuUntil(program, 0, [&] { return IsShownAtBottomRight(window); })) << "show";
    EXPECT_TRUE(ChooseFromTrayMenuUntil(program, 0, [&] { return !::IsWindowVisible(window); })) << "hide";
    EXPECT_TRUE(program.IsRunning());
    EXPECT_TRUE(ChooseFromTrayMenuUntil(program, 1, [&] { return !program.IsRunning(); })) << "cancel";
    EXPECT_EQ(program.WaitForExit(kExitTimeoutMs), 2u);
}

TEST_F(RealInputEndToEnd, KeysGoToTheWindowGivenTheKeyboardFocus)
{
    const auto makeEdit = [](int x) {
        return test_support::OwnedWindow(::CreateWindowExA(0, "EDIT", "",
                                                           WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_AUTOHSCROLL, x, 300,
                                                           300, 80, nullptr, nullptr, nullptr, nullptr));
    };
    const test_support::OwnedWindow firstWindow = makeEdit(100);
    const test_support::OwnedWindow secondWindow = makeEdit(500);
    ASSERT_TRUE(firstWindow && secondWindow);
    const HWND first = firstWindow.Get();
    const HWND second = secondWindow.Get();
    // The pointer rests on neither: the keys must follow the X focus alone.
    ASSERT_TRUE(Xdotool("mousemove 1000 100"));
    const auto typeInto = [](HWND window, const char* letter) {
        ::SetForegroundWindow(window);
        return test_support::GiveKeyboardFocusTo(window) && Xdotool(std::string("type ") + letter);
    };
    ASSERT_TRUE(typeInto(first, "a"));
    EXPECT_TRUE(WaitUntil([&] { return ControlText(first) == "a"; })) << ControlText(first);
    ASSERT_TRUE(typeInto(second, "b"));
    EXPECT_TRUE(WaitUntil([&] { return ControlText(second) == "b"; })) << ControlText(second);
    ASSERT_TRUE(typeInto(first, "c"));
    EXPECT_TRUE(WaitUntil([&] { return ControlText(first) == "ac"; })) << ControlText(first);
    EXPECT_EQ(ControlText(second), "b");
}

}  // namespace
