#include "text/wide_text.h"

#include <gtest/gtest.h>

#include "support/case_table.h"

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

namespace {

// What an exact conversion asks of the platform, in one comparable line.
std::string Request(UINT codePage)
{
    const ExactConversion c = ExactConversionFor(codePage);
    return std::to_string(c.codePage) + " to-bytes " + std::to_string(c.toBytesFlags) + " to-wide " +
           std::to_string(c.toWideFlags) + (c.reportsDefault ? " report" : " no-report");
}

std::string Expected(UINT codePage, DWORD toBytes, DWORD toWide, bool report)
{
    return std::to_string(codePage) + " to-bytes " + std::to_string(toBytes) + " to-wide " + std::to_string(toWide) +
           (report ? " report" : " no-report");
}

}  // namespace

// Windows refuses WC_NO_BEST_FIT_CHARS and lpUsedDefaultChar for UTF-8
// (ERROR_INVALID_FLAGS, ERROR_INVALID_PARAMETER) where Wine takes them: the
// flags are checked here, not only what Wine answers.
TEST(WideText, AsksEachCodePageOnlyForWhatItAccepts)
{
    test_support::ExpectEachCase<UINT, std::string>(Request, {
        {CP_UTF8, Expected(CP_UTF8, WC_ERR_INVALID_CHARS, MB_ERR_INVALID_CHARS, false), "UTF-8"},
        {54936, Expected(54936, WC_ERR_INVALID_CHARS, MB_ERR_INVALID_CHARS, false), "GB18030"},
        {1252, Expected(1252, WC_NO_BEST_FIT_CHARS, MB_ERR_INVALID_CHARS, true), "Western"},
        {932, Expected(932, WC_NO_BEST_FIT_CHARS, MB_ERR_INVALID_CHARS, true), "Japanese, double-byte"},
        {CP_UTF7, Expected(CP_UTF7, 0, 0, false), "UTF-7 takes no flags"},
        {50220, Expected(50220, 0, 0, false), "ISO-2022-JP takes no flags"},
        {57002, Expected(57002, 0, 0, false), "ISCII takes no flags"},
        {42, Expected(42, 0, 0, false), "Symbol takes no flags"},
    });
}

TEST(WideText, NamedCodePagesAreResolvedBeforeTheFlagsAreChosen)
{
    EXPECT_EQ(ExactConversionFor(CP_ACP).codePage, ::GetACP());
    EXPECT_EQ(ExactConversionFor(CP_OEMCP).codePage, ::GetOEMCP());
    const UINT thread = ExactConversionFor(CP_THREAD_ACP).codePage;
    EXPECT_NE(thread, static_cast<UINT>(CP_THREAD_ACP));
    EXPECT_NE(thread, static_cast<UINT>(CP_ACP));
    EXPECT_EQ(Request(CP_ACP), Request(::GetACP()));
}

TEST(WideText, CodePagesWithoutAReportFindTheLossOnTheWayBack)
{
    std::string out = "stale";
    // UTF-7 holds every character: the round trip finds nothing lost.
    EXPECT_TRUE(ToCodePageExactly(L"\x0141\x00F3\x0064\x017A", out, CP_UTF7));
    EXPECT_EQ(ToWide(out, CP_UTF7), L"\x0141\x00F3\x0064\x017A");
    // ISO-2022-JP has no Thai: it comes back as something else.
    EXPECT_FALSE(ToCodePageExactly(L"\x0E01", out, 50220));
    EXPECT_TRUE(out.empty());
}
