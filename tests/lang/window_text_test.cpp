#include "lang/window_text.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

class OwnedWindow {
public:
    explicit OwnedWindow(HWND window) : window_(window) {}
    ~OwnedWindow()
    {
        if (window_ != nullptr) {
            DestroyWindow(window_);
        }
    }
    OwnedWindow(const OwnedWindow&) = delete;
    OwnedWindow& operator=(const OwnedWindow&) = delete;
    HWND Get() const { return window_; }

private:
    HWND window_;
};

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

}  // namespace
