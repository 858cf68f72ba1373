// The notification-area icon's menu and tip, without tracking the menu.
#include "countdown/tray_menu.h"

#include <gtest/gtest.h>

#include "support/case_table.h"

#include <string>

#include "countdown/tray_icon.h"
#include "lang/language_table.h"
#include "support/language_file.h"

namespace {

struct MenuEntry {
    UINT id;
    std::string text;
};

std::vector<MenuEntry> Entries(HMENU menu)
{
    std::vector<MenuEntry> entries;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        char text[256] = {};
        ::GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        entries.push_back({::GetMenuItemID(menu, i), text});
    }
    return entries;
}

class TrayMenuTest : public ::testing::Test {
protected:
    test_support::ScopedLanguageFile language_{
        "_TrayDispInfo=Show the countdown\r\n_TrayHideInfo=Hide the countdown\r\n_TrayCancel=Cancel the run\r\n"};
};

TEST_F(TrayMenuTest, HiddenWindowOffersShowAsDefaultThenCancel)
{
    base::UniqueMenu menu = BuildTrayMenu(false, true, TheLanguageTable());
    ASSERT_TRUE(menu);
    const std::vector<MenuEntry> entries = Entries(menu.Get());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].id, static_cast<UINT>(ID_TRAY_SHOW));
    EXPECT_EQ(entries[0].text, "Show the countdown");
    EXPECT_EQ(entries[1].id, static_cast<UINT>(ID_TRAY_CANCEL));
    EXPECT_EQ(entries[1].text, "Cancel the run");
    EXPECT_EQ(::GetMenuDefaultItem(menu.Get(), FALSE, 0), static_cast<UINT>(ID_TRAY_SHOW));
}

TEST_F(TrayMenuTest, VisibleWindowOffersHideAsDefaultThenCancel)
{
    base::UniqueMenu menu = BuildTrayMenu(true, true, TheLanguageTable());
    const std::vector<MenuEntry> entries = Entries(menu.Get());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].id, static_cast<UINT>(ID_TRAY_HIDE));
    EXPECT_EQ(entries[0].text, "Hide the countdown");
    EXPECT_EQ(entries[1].id, static_cast<UINT>(ID_TRAY_CANCEL));
    EXPECT_EQ(::GetMenuDefaultItem(menu.Get(), FALSE, 0), static_cast<UINT>(ID_TRAY_HIDE));
}

TEST_F(TrayMenuTest, WindowThatCannotBeHiddenGreysHideAndLeavesCancel)
{
    base::UniqueMenu menu = BuildTrayMenu(true, false, TheLanguageTable());
    ASSERT_EQ(::GetMenuItemCount(menu.Get()), 2);
    EXPECT_EQ(::GetMenuItemID(menu.Get(), 0), static_cast<UINT>(ID_TRAY_HIDE));
    EXPECT_TRUE(::GetMenuState(menu.Get(), ID_TRAY_HIDE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(::GetMenuDefaultItem(menu.Get(), FALSE, 0), static_cast<UINT>(-1)) << "no greyed default";
    EXPECT_FALSE(::GetMenuState(menu.Get(), ID_TRAY_CANCEL, MF_BYCOMMAND) & MF_GRAYED);
}

TEST(TrayMenuWithoutLanguageFile, ShowsTheKeys)
{
    test_support::ScopedLanguageFile empty("");
    base::UniqueMenu menu = BuildTrayMenu(false, true, TheLanguageTable());
    const std::vector<MenuEntry> entries = Entries(menu.Get());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].text, "_TrayDispInfo");
    EXPECT_EQ(entries[1].text, "_TrayCancel");
}

// CALLBACK: a capture-less lambda converts only to the default calling
// convention, which is not the timer procedure's on 32-bit Windows.
void CALLBACK DismissMenu(HWND, UINT, UINT_PTR, DWORD)
{
    ::EndMenu();
}

TEST_F(TrayMenuTest, TrackingEndsWithANullMessageToTheOwner)
{
    HWND owner = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    base::UniqueMenu menu = BuildTrayMenu(false, true, TheLanguageTable());
    // Dismissed from inside the menu's own loop, as a click elsewhere would.
    const UINT_PTR dismiss = ::SetTimer(nullptr, 0, 50, DismissMenu);
    EXPECT_EQ(TrackTrayMenu(menu.Get(), owner), 0u);
    ::KillTimer(nullptr, dismiss);
    MSG message;
    EXPECT_TRUE(::PeekMessageA(&message, owner, WM_NULL, WM_NULL, PM_REMOVE));
    ::DestroyWindow(owner);
}

TEST(TrayTip, ShortTextStaysWholeAndLongTextIsCutTo127Characters)
{
    EXPECT_EQ(FitTrayTip("Tolvrin Shutdown Manager"), "Tolvrin Shutdown Manager");
    EXPECT_EQ(FitTrayTip(std::string(127, 'x')), std::string(127, 'x'));
    EXPECT_EQ(FitTrayTip(std::string(500, 'y')), std::string(127, 'y'));
    EXPECT_EQ(FitTrayTip(""), "");
}

// The cut falls before a character that would end past byte 127, in every
// code page the program runs in: "Ж" is two bytes of UTF-8, "日" three, "😀"
// four; "ア" two bytes of code page 932.
TEST(TrayTip, IsNeverCutInsideACharacter)
{
    const std::string zhe = "\xD0\x96";
    const std::string sun = "\xE6\x97\xA5";
    const std::string smile = "\xF0\x9F\x98\x80";
    const std::string a = "\x83\x41";
    struct Tip {
        std::string text;
        unsigned int codePage;
    };
    test_support::ExpectEachCase<Tip, std::string>(
        [](const Tip& tip) { return FitTrayTip(tip.text, tip.codePage); },
        {
            {{std::string(126, 'x') + zhe, CP_UTF8}, std::string(126, 'x'), "two bytes from byte 127 on"},
            {{std::string(125, 'x') + zhe, CP_UTF8}, std::string(125, 'x') + zhe, "two bytes ending at byte 127"},
            {{std::string(125, 'x') + sun, CP_UTF8}, std::string(125, 'x'), "three bytes from byte 126 on"},
            {{std::string(124, 'x') + sun + "y", CP_UTF8}, std::string(124, 'x') + sun, "three ending at 127"},
            {{std::string(124, 'x') + smile, CP_UTF8}, std::string(124, 'x'), "four bytes from byte 125 on"},
            {{std::string(123, 'x') + smile + "y", CP_UTF8}, std::string(123, 'x') + smile, "four ending at 127"},
            {{std::string(126, 'x') + a, 932}, std::string(126, 'x'), "a double-byte character from 127 on"},
            {{std::string(125, 'x') + a + "y", 932}, std::string(125, 'x') + a, "one ending at 127"},
            {{std::string(126, 'x') + "\xE9\xE9", 1252}, std::string(126, 'x') + "\xE9", "single bytes"},
        });
}

}  // namespace
