// The real program, started with a run on its command line, driven the way a
// user would drive it: through its countdown window and its tray callback.
#include <gtest/gtest.h>

#include <windows.h>

#include "resource.h"
#include "version.h"
#include "ui/placement.h"
#include "support/program_process.h"
#include "support/program_windows.h"
#include "support/temp_folder.h"
#include "support/window_finder.h"
#include "support/wine_only.h"

namespace {

using test_support::ProgramPath;
using test_support::ProgramProcess;
using ui::WindowRect;
using ui::WorkArea;
using test_support::IsShownAtBottomRight;

constexpr UINT kTrayCallback = 0x0790;
constexpr DWORD kExitTimeoutMs = 20000;



void ClickTrayIcon(HWND countdownWindow)
{
    ::PostMessageA(countdownWindow, kTrayCallback, 128, WM_LBUTTONDOWN);
}

class CountdownEndToEnd : public ::testing::Test {
protected:
    void TearDown() override
    {
        // Wine needs a moment before the next copy takes the mutex and the
        // display again.
        ::Sleep(300);
    }
};

TEST_F(CountdownEndToEnd, ShortRunSlidesInByItselfAndEndsWithOne)
{
    SKIP_UNLESS_UNDER_WINE();
    ProgramProcess program(ProgramPath(), "0,3,");
    ASSERT_TRUE(program.Started());
    HWND window = test_support::WaitForCountdownWindow(program.Id());
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(test_support::ControlText(window), "Tolvrin Shutdown Manager " TOLVRIN_VERSION_TEXT);
    EXPECT_TRUE(test_support::WaitUntil([&] { return IsShownAtBottomRight(window); }, 5000))
        << "the window did not slide in during its last seconds";

    EXPECT_EQ(program.WaitForExit(kExitTimeoutMs), 1u);
}

TEST_F(CountdownEndToEnd, SlidingInByItselfLeavesTheForegroundWhereItWas)
{
    // The window the user is typing in: a visible window of the test.
    HWND typing = ::CreateWindowExA(0, "EDIT", "typing here", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200,
                                    nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(typing, nullptr);
    ::SetForegroundWindow(typing);
    ASSERT_EQ(::GetForegroundWindow(), typing);

    ProgramProcess program(ProgramPath(), "0,16,");
    HWND window = test_support::WaitForCountdownWindow(program.Id());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(test_support::WaitUntil([&] { return IsShownAtBottomRight(window); }, 5000));
    ::Sleep(100);  // past the slide's last step
    EXPECT_EQ(::GetForegroundWindow(), typing);
    // The last warning: above other windows, Hide disabled, and its text in
    // the window text that screen readers read.
    EXPECT_TRUE(::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(window, IDC_HIDE)));
    EXPECT_NE(test_support::ControlText(::GetDlgItem(window, IDC_INFO)).find("0:00:"), std::string::npos);

    EXPECT_EQ(test_support::ExitCodeAfterCommand(program, window, IDCANCEL), 2u);
    ::DestroyWindow(typing);
}

TEST_F(CountdownEndToEnd, CancelButtonOfARunWithoutPasswordEndsWithTwoAtOnceWithoutPrompt)
{
    ProgramProcess program(ProgramPath(), "0,60,");
    HWND window = test_support::WaitForCountdownWindow(program.Id());
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(test_support::ExitCodeAfterCommand(program, window, IDCANCEL), 2u);
    EXPECT_EQ(test_support::WaitForPasswordPrompt(program.Id(), 0), nullptr);
}

TEST_F(CountdownEndToEnd, EscapeKeyEndsWithTwo)
{
    ProgramProcess program(ProgramPath(), "0,60,");
    HWND window = test_support::WaitForCountdownWindow(program.Id());
    ASSERT_NE(window, nullptr);
    ClickTrayIcon(window);
    ASSERT_TRUE(test_support::WaitUntil([&] { return IsShownAtBottomRight(window); }));

    // The key reaches the focused Cancel button through the program's message
    // loop, whose dialog filter turns Esc into IDCANCEL.
    HWND cancel = ::GetDlgItem(window, IDCANCEL);
    ::PostMessageA(cancel, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    ::PostMessageA(cancel, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    EXPECT_EQ(program.WaitForExit(5000), 2u);
}

TEST_F(CountdownEndToEnd, TrayClickShowsAndHideButtonSlidesOut)
{
    ProgramProcess program(ProgramPath(), "0,60,");
    HWND window = test_support::WaitForCountdownWindow(program.Id());
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(::IsWindowVisible(window)) << "the window starts hidden";

    ClickTrayIcon(window);
    ASSERT_TRUE(test_support::WaitUntil([&] { return IsShownAtBottomRight(window); }));
    // The slide-in ends one timer step after the window reaches its place;
    // Hide during the slide is ignored.
    ::Sleep(200);

    test_support::PostClick(window, IDC_HIDE);
    EXPECT_TRUE(test_support::WaitUntil([&] { return !::IsWindowVisible(window); }));
    EXPECT_GT(WindowRect(window).top, WorkArea().bottom) << "it leaves below the work area";
    EXPECT_TRUE(program.IsRunning()) << "hiding does not end the run";

    EXPECT_EQ(test_support::ExitCodeAfterCommand(program, window, IDCANCEL), 2u);
}

TEST_F(CountdownEndToEnd, SecondCopyIsRefusedWhileTheFirstRunsOn)
{
    ProgramProcess first(ProgramPath(), "0,60,");
    HWND window = test_support::WaitForCountdownWindow(first.Id());
    ASSERT_NE(window, nullptr);

    ProgramProcess second(ProgramPath(), "0,60,");
    HWND message = test_support::WaitForMessageBox(second.Id());
    ASSERT_NE(message, nullptr);
    EXPECT_NE(test_support::MessageBoxText(message).find("already running"), std::string::npos)
        << test_support::MessageBoxText(message);
    EXPECT_EQ(test_support::ControlText(message), "Tolvrin Shutdown Manager");
    EXPECT_EQ(test_support::ExitCodeAfterCommand(second, message, IDOK), 0u);

    EXPECT_TRUE(first.IsRunning());
    EXPECT_TRUE(::IsWindow(window));
    EXPECT_EQ(test_support::ExitCodeAfterCommand(first, window, IDCANCEL), 2u);

    // Once the first has ended, a new copy starts normally.
    ProgramProcess third(ProgramPath(), "0,60,");
    HWND thirdWindow = test_support::WaitForCountdownWindow(third.Id());
    ASSERT_NE(thirdWindow, nullptr);
    EXPECT_EQ(test_support::ExitCodeAfterCommand(third, thirdWindow, IDCANCEL), 2u);
}

TEST_F(CountdownEndToEnd, UnknownActionOrDelayNoTimerCanHoldIsNoRunAndAsksForOne)
{
    for (const char* line : {"9,1,", "-1,1,", "2,-5,", "2,2147484,", "2,99999999999999,"}) {
        ProgramProcess program(ProgramPath(), line);
        HWND dialog = test_support::WaitForDialogWithControl(program.Id(), IDC_ACTION);
        ASSERT_NE(dialog, nullptr) << line;
        EXPECT_EQ(test_support::WaitForCountdownWindow(program.Id(), 0), nullptr) << line;
        EXPECT_EQ(test_support::ExitCodeAfterCommand(program, dialog, IDCANCEL), 0u) << line;
        ::Sleep(200);
    }
}

TEST_F(CountdownEndToEnd, GarbageLanguageFileShowsTheKeysAndTheRunGoesOn)
{
    // A copy of the program beside a language file that is not text at all.
    test_support::TempFolder folder;
    const std::string program = folder.PathOf("TolvrinShutdown.exe");
    ASSERT_TRUE(::CopyFileA(ProgramPath().c_str(), program.c_str(), FALSE));
    std::string garbage;
    for (int i = 0; i < 70000; ++i) {
        garbage += static_cast<char>((i * 7919) % 256);
    }
    folder.Write("TolvrinShutdown.lng", garbage);

    ProgramProcess run(program, "0,60,");
    HWND window = test_support::WaitForCountdownWindow(run.Id());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(test_support::ControlText(::GetDlgItem(window, IDCANCEL)), "_Cancel");
    EXPECT_EQ(test_support::ControlText(window), "Tolvrin Shutdown Manager " TOLVRIN_VERSION_TEXT);
    EXPECT_EQ(test_support::ExitCodeAfterCommand(run, window, IDCANCEL), 2u);
}

}  // namespace
