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

TEST(WideText, ExactlyTakesWhatTheCodePageDefines)
{
    std::wstring wide;
    ASSERT_TRUE(ToWideExactly("\x83\x65\x83\x58\x83\x67", wide, 932));  // katakana te, su, to
    EXPECT_EQ(wide, L"\x30C6\x30B9\x30C8");
    EXPECT_TRUE(ToWideExactly("", wide, 932));
    EXPECT_TRUE(wide.empty());
}

TEST(WideText, ExactlyRefusesBytesTheCodePageLacks)
{
    std::wstring wide = L"stale";
    // A lead byte of code page 932 with no trail byte after it.
    EXPECT_FALSE(ToWideExactly("ab\x83", wide, 932));
    EXPECT_TRUE(wide.empty());
    EXPECT_FALSE(ToWideExactly("\xFF", wide, CP_UTF8));
}
