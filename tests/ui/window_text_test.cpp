#include "ui/window_text.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "support/owned_window.h"

namespace {

using test_support::OwnedWindow;

HWND CreateStatic(const std::string& text)
{
    return CreateWindowExA(0, "STATIC", text.c_str(), WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

TEST(WindowText, ReadsTheWholeText)
{
    OwnedWindow window(CreateStatic("_AppName"));
    ASSERT_NE(window.Get(), nullptr);
    EXPECT_EQ(WindowText(window.Get()), "_AppName");

    const std::string longText(10000, 'w');
    SetWindowTextA(window.Get(), longText.c_str());
    EXPECT_EQ(WindowText(window.Get()), longText);
}

TEST(WindowText, KeepsLineBreaks)
{
    OwnedWindow window(CreateStatic("One.\r\nTwo."));
    ASSERT_NE(window.Get(), nullptr);
    EXPECT_EQ(WindowText(window.Get()), "One.\r\nTwo.");
}

TEST(WindowText, NoTextGivesEmpty)
{
    OwnedWindow window(CreateStatic(""));
    ASSERT_NE(window.Get(), nullptr);
    EXPECT_EQ(WindowText(window.Get()), "");
}

TEST(WindowText, NoWindowGivesEmpty)
{
    EXPECT_EQ(WindowText(nullptr), "");
    HWND gone = CreateStatic("gone");
    ASSERT_NE(gone, nullptr);
    DestroyWindow(gone);
    EXPECT_EQ(WindowText(gone), "");
}

// A window that counts more text than it hands out: what an over-estimating
// GetWindowTextLengthA, or a window that cannot give its text, looks like.
LRESULT CALLBACK OverCountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto handsOut = reinterpret_cast<const char*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_GETTEXTLENGTH) {
        return 8;
    }
    if (message == WM_GETTEXT && wParam > 0) {
        lstrcpynA(reinterpret_cast<char*>(lParam), handsOut, static_cast<int>(wParam));
        return lstrlenA(reinterpret_cast<char*>(lParam));
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateOverCounting(const char* handsOut)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = OverCountingProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "OverCountingWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "OverCountingWindow", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(handsOut));
    return window;
}

TEST(ReadWindowText, ShorterTextThanCountedIsNoFailure)
{
    OwnedWindow window(CreateOverCounting("abc"));
    std::string text = "old";
    EXPECT_TRUE(ReadWindowText(window.Get(), text));
    EXPECT_EQ(text, "abc");
}

TEST(ReadWindowText, CountedTextThatCannotBeReadIsAFailure)
{
    OwnedWindow window(CreateOverCounting(""));
    std::string text = "old";
    EXPECT_FALSE(ReadWindowText(window.Get(), text));
    EXPECT_EQ(text, "");
}

}  // namespace
