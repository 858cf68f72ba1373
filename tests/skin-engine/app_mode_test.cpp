#include "app_mode.h"

#include <gtest/gtest.h>

#include "support/app_mode_setting.h"
#include "support/case_table.h"

namespace {

TEST(AppModeTest, OnlyTheDwordZeroMeansDark)
{
    test_support::ScopedAppMode mode;
    mode.Remove();
    EXPECT_FALSE(skin::AppsUseDarkMode()) << "missing: light, as Windows before 10";
    mode.Set(false);
    EXPECT_TRUE(skin::AppsUseDarkMode());
    mode.Set(true);
    EXPECT_FALSE(skin::AppsUseDarkMode());
    const DWORD two = 2;
    mode.SetRaw(REG_DWORD, &two, sizeof two);
    EXPECT_FALSE(skin::AppsUseDarkMode()) << "another number";
    mode.SetRaw(REG_SZ, L"0", 2 * sizeof(wchar_t));
    EXPECT_FALSE(skin::AppsUseDarkMode()) << "a text";
    const ULONGLONG wide = 0;
    mode.SetRaw(REG_QWORD, &wide, sizeof wide);
    EXPECT_FALSE(skin::AppsUseDarkMode()) << "another size";
    mode.SetRaw(REG_BINARY, &wide, 1);
    EXPECT_FALSE(skin::AppsUseDarkMode()) << "one byte";
}

TEST(AppModeTest, DarkColoursAreThoseWhereWhiteTextReadsBetter)
{
    test_support::ExpectEachCase<COLORREF, bool>(skin::IsDarkColour,
                                                 {
                                                     {RGB(0, 0, 0), true},
                                                     {RGB(0x1E, 0x22, 0x28), true, "the dark skin"},
                                                     {RGB(0x75, 0x75, 0x75), true, "just under the middle"},
                                                     {RGB(0x77, 0x77, 0x77), false, "just over it"},
                                                     {RGB(0x00, 0x00, 0xFF), true, "blue is dark"},
                                                     {RGB(0xFF, 0xFF, 0x00), false, "yellow is light"},
                                                     {RGB(0xF3, 0xF5, 0xF8), false, "the light skin"},
                                                     {RGB(0xFF, 0xFF, 0xFF), false},
                                                 });
}

}  // namespace
