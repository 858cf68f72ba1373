#include "text/text_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/case_table.h"

namespace {

// The test executables run in the legacy code page (they have no UTF-8
// manifest), so the legacy code page is passed explicitly: what a file
// decodes to must not depend on the process's code page.
std::wstring Decoded(const std::string& bytes, UINT legacyCodePage)
{
    std::wstring text(DecodeTextFile(bytes.data(), bytes.size(), legacyCodePage, nullptr, 0), L'\0');
    text.resize(DecodeTextFile(bytes.data(), bytes.size(), legacyCodePage, text.data(), text.size()));
    return text;
}

std::wstring DecodedAsWestern(const std::string& bytes)
{
    return Decoded(bytes, 1252);
}

}  // namespace

TEST(DecodeTextFile, TakesEachFileByItsForm)
{
    test_support::ExpectEachCase<std::string, std::wstring>(DecodedAsWestern, {
        {std::string("\xFF\xFE" "A\x00\xE9\x00", 6), L"A\x00E9", "UTF-16 LE after its mark"},
        {std::string("\xFE\xFF\x00" "A\x04\x1F", 6), L"A\x041F", "UTF-16 BE after its mark"},
        {std::string("\xFE\xFF\x00", 3), L"", "UTF-16 BE with half a character"},
        {"\xEF\xBB\xBF" "S\xC3\xA9goe", L"S\x00E9goe", "UTF-8 after its mark"},
        {"Font=S\xC3\xA9goe", L"Font=S\x00E9goe", "valid UTF-8 without a mark"},
        {"[Skin]\r\nFont=S\xE9goe UI\r\n", L"[Skin]\r\nFont=S\x00E9goe UI\r\n",
         "a skin file of an older Windows, in 1252: not UTF-8, so the legacy code page, never CP_ACP"},
        {"\xEF\xBB\xBF", L"", "a mark alone"},
    });
}

TEST(DecodeTextFile, TooLittleRoomWritesNothing)
{
    const std::string bytes = "S\xE9goe";
    wchar_t text[3] = {L'x', L'x', L'x'};
    EXPECT_EQ(DecodeTextFile(bytes.data(), bytes.size(), 1252, text, 3), 5u);
    EXPECT_EQ(std::wstring(text, 3), L"xxx");
}

TEST(LegacyAnsiCodePage, IsTheSystemLocalesOwn)
{
    // Without the UTF-8 manifest, the test process's ANSI code page is the
    // legacy one; in the program, where GetACP() is 65001, it still is.
    EXPECT_EQ(LegacyAnsiCodePage(), ::GetACP());
    EXPECT_NE(LegacyAnsiCodePage(), static_cast<UINT>(CP_UTF8));
}
