// The password prompt from its real template, driven from a second thread
// while the test thread runs the prompt's modal loop.
#include "dialogs/password_dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "resource.h"
#include "support/language_file.h"
#include "support/program_windows.h"
#include "support/window_finder.h"
#include "text/wide_text.h"

namespace {

using test_support::ControlText;

HWND WaitForPrompt()
{
    return test_support::WaitForPasswordPrompt(::GetCurrentProcessId());
}

// Runs `drive` on a thread of its own while the prompt runs here.
INT_PTR RunPrompt(PasswordDialog& prompt, const std::function<void()>& drive)
{
    std::thread driver(drive);
    const INT_PTR result = prompt.Run(nullptr);
    driver.join();
    return result;
}

// Presses OK, then confirms the "wrong password" message and returns its text.
std::string PressOkExpectingRejection(HWND prompt)
{
    test_support::PostCommand(prompt, IDOK);
    HWND message = test_support::WaitForMessageBox(::GetCurrentProcessId());
    if (message == nullptr) {
        return "<no message box>";
    }
    const std::string text = test_support::MessageBoxText(message) + "|" + ControlText(message);
    test_support::PostCommand(message, IDOK);
    test_support::WaitUntilGone(message);
    return text;
}

class PasswordDialogTest : public ::testing::Test {
protected:
    test_support::ScopedLanguageFile language_{
        "_EnterPsw=Password needed\r\n_EnterPswInfo=Type the password\r\n"
        "_InvalidPsw=Wrong password\r\n_AppName=Tolvrin\r\n"};
    const std::string password_ = "secret";
};

TEST_F(PasswordDialogTest, TranslatesItsTextsAndKeepsPlainButtonWords)
{
    PasswordDialog prompt(password_);
    std::string caption, ok, cancel, edit;
    bool editFocused = false;
    const INT_PTR result = RunPrompt(prompt, [&] {
        HWND window = WaitForPrompt();
        caption = ControlText(window);
        ok = ControlText(::GetDlgItem(window, IDOK));
        cancel = ControlText(::GetDlgItem(window, IDCANCEL));
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
        editFocused = info.hwndFocus == ::GetDlgItem(window, IDC_PASSWORD);
        test_support::PostCommand(window, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(caption, "Password needed");
    EXPECT_EQ(ok, "OK");
    EXPECT_EQ(cancel, "Cancel");
    EXPECT_TRUE(editFocused) << "the password box, the first tab stop, has the focus";
}

TEST_F(PasswordDialogTest, ExactPasswordEndsWithOk)
{
    PasswordDialog prompt(password_);
    const INT_PTR result = RunPrompt(prompt, [&] {
        HWND window = WaitForPrompt();
        test_support::TypePassword(window, "secret");
        test_support::PostCommand(window, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(prompt.EnteredText(), "secret");
}

TEST_F(PasswordDialogTest, WrongEntriesAreRejectedClearedAndMayBeRetried)
{
    PasswordDialog prompt(password_);
    std::vector<std::string> messages;
    std::vector<std::string> editAfter;
    const INT_PTR result = RunPrompt(prompt, [&] {
        HWND window = WaitForPrompt();
        for (const char* wrong : {"Secret", "secret ", " secret", ""}) {
            test_support::TypePassword(window, wrong);
            messages.push_back(PressOkExpectingRejection(window));
            editAfter.push_back(ControlText(::GetDlgItem(window, IDC_PASSWORD)));
        }
        test_support::TypePassword(window, "secret");
        test_support::PostCommand(window, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    ASSERT_EQ(messages.size(), 4u);
    for (std::size_t i = 0; i < messages.size(); ++i) {
        EXPECT_EQ(messages[i], "Wrong password|Tolvrin") << i;
        EXPECT_EQ(editAfter[i], "") << i;
    }
}

TEST_F(PasswordDialogTest, EscapeAndCloseBoxEndWithCancel)
{
    for (UINT how : {0u, 1u}) {
        PasswordDialog prompt(password_);
        const INT_PTR result = RunPrompt(prompt, [&] {
            HWND window = WaitForPrompt();
            test_support::TypePassword(window, "secret");
            if (how == 0) {
                ::PostMessageA(window, WM_CLOSE, 0, 0);
            } else {
                test_support::PostCommand(window, IDCANCEL);
            }
        });
        EXPECT_EQ(result, IDCANCEL) << how;
    }
}

TEST_F(PasswordDialogTest, LongPasswordsCompareWhole)
{
    const std::string longPassword(5000, 'p');
    PasswordDialog prompt(longPassword);
    const INT_PTR result = RunPrompt(prompt, [&] {
        HWND window = WaitForPrompt();
        test_support::TypePassword(window, longPassword.substr(0, 4999) + "q");
        PressOkExpectingRejection(window);
        test_support::TypePassword(window, longPassword);
        test_support::PostCommand(window, IDOK);
    });
    EXPECT_EQ(result, IDOK);
}

TEST_F(PasswordDialogTest, EnterPressesTheFocusedCancelReachedByAMousePressDraggedOff)
{
    PasswordDialog prompt(password_);
    const INT_PTR result = RunPrompt(prompt, [&] {
        HWND window = WaitForPrompt();
        test_support::TypePassword(window, "secret");
        // Once the dialog manager has put the first focus in the password box,
        // a press on Cancel released outside: the button takes the focus, no click.
        const auto focus = [window] {
            GUITHREADINFO info{};
            info.cbSize = sizeof info;
            ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
            return info.hwndFocus;
        };
        EXPECT_TRUE(test_support::WaitUntil([&] { return focus() == ::GetDlgItem(window, IDC_PASSWORD); }));
        HWND cancel = ::GetDlgItem(window, IDCANCEL);
        ::SendMessageA(cancel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        ::SendMessageA(cancel, WM_LBUTTONUP, 0, MAKELPARAM(-100, -100));
        EXPECT_EQ(focus(), cancel);
        ::PostMessageA(cancel, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(PasswordDialogTest, KeepsItsOwnCopyOfThePassword)
{
    std::optional<std::string> caller("secret");
    PasswordDialog prompt(*caller);
    caller.emplace("something else");  // the caller's string changes
    const INT_PTR result = RunPrompt(prompt, [&] {
        HWND window = WaitForPrompt();
        test_support::TypePassword(window, "secret");
        test_support::PostCommand(window, IDOK);
    });
    EXPECT_EQ(result, IDOK);
}

TEST(IsThePassword, ComparesTheTypedTextByteForByteInTheCodePage)
{
    if (!::IsValidCodePage(1252)) {
        GTEST_SKIP() << "code page 1252 is not installed";
    }
    std::string typed;
    EXPECT_TRUE(IsThePassword(L"secret", "secret", typed, 1252));
    EXPECT_EQ(typed, "secret");
    EXPECT_FALSE(IsThePassword(L"Secret", "secret", typed, 1252));
    EXPECT_TRUE(IsThePassword(L"\x00E9t\x00E9", "\xE9t\xE9", typed, 1252));
}

TEST(IsThePassword, TextTheCodePageCannotHoldMatchesNothing)
{
    if (!::IsValidCodePage(1252)) {
        GTEST_SKIP() << "code page 1252 is not installed";
    }
    std::string typed = "earlier";
    // Converted with a default character, "Ж" and "Łódź" would read "?" and
    // "?\xF3d?"; best fit would make "Lodz" of the latter.
    EXPECT_FALSE(IsThePassword(L"\x0416", "?", typed, 1252));
    EXPECT_EQ(typed, "");
    EXPECT_FALSE(IsThePassword(L"\x0141\x00F3\x0064\x017A", "?\xF3" "d?", typed, 1252));
    EXPECT_FALSE(IsThePassword(L"\x0141\x00F3\x0064\x017A", "L\xF3" "dz", typed, 1252));
}

TEST_F(PasswordDialogTest, TextOutsideTheCodePageIsRejectedEvenWhereThePasswordReadsSo)
{
    std::string converted;
    if (ToCodePageExactly(L"\x0416", converted)) {
        GTEST_SKIP() << "the system's code page holds Cyrillic";
    }
    // The run's password is "?", what "Ж" would become in a lossy conversion.
    PasswordDialog prompt("?");
    std::string message;
    const INT_PTR result = RunPrompt(prompt, [&] {
        HWND window = WaitForPrompt();
        ::SendMessageW(::GetDlgItem(window, IDC_PASSWORD), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"\x0416"));
        message = PressOkExpectingRejection(window);
        test_support::TypePassword(window, "?");
        test_support::PostCommand(window, IDOK);
    });
    EXPECT_EQ(message, "Wrong password|Tolvrin");
    EXPECT_EQ(result, IDOK);
}

}  // namespace
