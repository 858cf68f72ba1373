#include "text/wide_text.h"

#include <gtest/gtest.h>

TEST(WideText, RoundTripsWhatTheCodePageHolds)
{
    std::string back;
    ASSERT_TRUE(ToCodePageExactly(ToWide("Caf\xE9", 1252), back, 1252));
    EXPECT_EQ(back, "Caf\xE9");
}

TEST(WideText, RefusesWhatOnlyBestFitWouldConvert)
{
    std::string out = "stale";
    // "Łódź": Ł and ź have no place in 1252; best fit would give "Lodz".
    EXPECT_FALSE(ToCodePageExactly(L"\x0141\x00F3\x0064\x017A", out, 1252));
    EXPECT_TRUE(out.empty());
    EXPECT_FALSE(ToCodePageExactly(L"\x0422\x0435\x0441\x0442", out, 1252));
}

TEST(WideText, Utf8HoldsEverythingButALoneSurrogate)
{
    std::string out;
    EXPECT_TRUE(ToCodePageExactly(L"\x0422\x0395", out, CP_UTF8));
    EXPECT_EQ(out, "\xD0\xA2\xCE\x95");
    EXPECT_FALSE(ToCodePageExactly(std::wstring(1, wchar_t(0xD800)), out, CP_UTF8));
}
