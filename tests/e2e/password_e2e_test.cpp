// Cancelling a password-protected run of the real program: the prompt, wrong
// entries, giving up, the right password, and the countdown going on under it.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "resource.h"
#include "support/program_process.h"
#include "support/program_windows.h"
#include "support/window_finder.h"
#include "support/wine_only.h"

namespace {

using test_support::ProgramPath;
using test_support::ProgramProcess;

constexpr UINT kTrayCallback = 0x0790;
constexpr char kMenuClass[] = "#32768";

class PasswordEndToEnd : public ::testing::Test {
protected:
    void TearDown() override { ::Sleep(300); }
};

TEST_F(PasswordEndToEnd, WrongPasswordsKeepTheRunAndTheRightOneCancelsIt)
{
    ProgramProcess program(ProgramPath(), "0,60,secret");
    HWND window = test_support::WaitForCountdownWindow(program.Id());
    ASSERT_NE(window, nullptr);

    test_support::PostCommand(window, IDCANCEL);
    HWND prompt = test_support::WaitForPasswordPrompt(program.Id());
    ASSERT_NE(prompt, nullptr);

    for (const char* wrong : {"Secret", "secret ", ""}) {
        test_support::TypePassword(prompt, wrong);
        test_support::PostCommand(prompt, IDOK);
        HWND message = test_support::WaitForMessageBox(program.Id());
        ASSERT_NE(message, nullptr) << wrong;
        EXPECT_NE(test_support::MessageBoxText(message).find("password"), std::string::npos);
        test_support::PostCommand(message, IDOK);
        ASSERT_TRUE(test_support::WaitUntilGone(message));
        EXPECT_EQ(test_support::ControlText(::GetDlgItem(prompt, IDC_PASSWORD)), "") << wrong;
        EXPECT_TRUE(program.IsRunning()) << wrong;
    }

    EXPECT_EQ(test_support::ExitCodeAfterPassword(program, prompt, "secret"), 2u);
}

TEST_F(PasswordEndToEnd, GivingUpAtThePromptLeavesTheRunAsItWas)
{
    ProgramProcess program(ProgramPath(), "0,60,secret");
    HWND window = test_support::WaitForCountdownWindow(program.Id());
    ASSERT_NE(window, nullptr);

    // Esc on the countdown window asks for the password as Cancel does.
    ::PostMessageA(::GetDlgItem(window, IDCANCEL), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    HWND prompt = test_support::WaitForPasswordPrompt(program.Id());
    ASSERT_NE(prompt, nullptr);
    test_support::PostCommand(prompt, IDCANCEL);
    ASSERT_TRUE(test_support::WaitUntilGone(prompt));

    ::Sleep(700);
    EXPECT_TRUE(program.IsRunning());
    EXPECT_TRUE(::IsWindow(window));
    EXPECT_FALSE(::IsWindowVisible(window)) << "the window stays as it was: hidden";

    // The run is still cancellable, and asks again.
    test_support::PostCommand(window, IDCANCEL);
    prompt = test_support::WaitForPasswordPrompt(program.Id());
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(test_support::ExitCodeAfterPassword(program, prompt, "secret"), 2u);
}

TEST_F(PasswordEndToEnd, TrayMenuCancelAsksForThePassword)
{
    ProgramProcess program(ProgramPath(), "0,60,pw");
    HWND window = test_support::WaitForCountdownWindow(program.Id());
    ASSERT_NE(window, nullptr);

    ::PostMessageA(window, kTrayCallback, 128, WM_RBUTTONDOWN);
    HWND menu = test_support::WaitForWindow(program.Id(), [](HWND w) {
        return test_support::ClassName(w) == kMenuClass && ::IsWindowVisible(w);
    });
    ASSERT_NE(menu, nullptr);
    // The menu's own loop reads the keys: down to the second entry, Cancel.
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
        ::PostMessageA(window, WM_KEYDOWN, key, 0);
        ::Sleep(50);
    }
    HWND prompt = test_support::WaitForPasswordPrompt(program.Id());
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(test_support::ExitCodeAfterPassword(program, prompt, "pw"), 2u);
}

TEST_F(PasswordEndToEnd, CountdownIsNotHeldUpByAnOpenPrompt)
{
    SKIP_UNLESS_UNDER_WINE();
    ProgramProcess program(ProgramPath(), "0,3,pw");
    HWND window = test_support::WaitForCountdownWindow(program.Id());
    ASSERT_NE(window, nullptr);
    // As a user would: the window has slid in by itself, and its Cancel
    // button is clicked. The prompt then belongs to the countdown window.
    ASSERT_TRUE(test_support::WaitUntil([&] { return ::IsWindowVisible(window) != FALSE; }, 3000));
    test_support::PostClick(window, IDCANCEL);
    HWND prompt = test_support::WaitForPasswordPrompt(program.Id());
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(::GetWindow(prompt, GW_OWNER), window);

    EXPECT_EQ(program.WaitForExit(15000), 1u);
    EXPECT_FALSE(::IsWindow(prompt));
}

}  // namespace
