#include "lang/language_file.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "support/case_table.h"
#include "support/shipped_languages.h"
#include "support/temp_folder.h"
#include "text/ini_text.h"
#include "text/text_file.h"
#include "text/wide_text.h"

namespace {

std::wstring Decoded(const std::string& bytes)
{
    return DecodeLanguageFile(bytes, 1252);
}

std::wstring DecodedInJapanese(const std::string& bytes)
{
    return DecodeLanguageFile(bytes, 932);
}

}  // namespace

TEST(DecodeLanguageFile, TakesEachFileByItsForm)
{
    test_support::ExpectEachCase<std::string, std::wstring>(Decoded, {
        {std::string("\xFF\xFE\x1F\x04=\x00", 6), L"\x041F=", "UTF-16 LE after its mark"},
        {"\xEF\xBB\xBF\xD0\x9F\xC3\xA9", L"\x041F\x00E9", "UTF-8 after its mark"},
        {"\xD0\x9F\xC3\xA9", L"\x041F\x00E9", "valid UTF-8 without a mark"},
        {"Gr\xFC\xDF" "e", L"Gr\x00FC\x00DF" "e", "not UTF-8: the legacy code page (1252)"},
        {"\xEF\xBB\xBF" "a\xFF", L"a\xFFFD", "a broken byte after the UTF-8 mark"},
        {"plain", L"plain", "ASCII is the same in every form"},
        {"", L"", "empty"},
        {std::string("\xFF\xFE" "A\x00" "B", 5), L"A", "an odd last byte of UTF-16 is dropped"},
    });
    // Shift-JIS is no UTF-8: 日本 in code page 932.
    EXPECT_EQ(DecodedInJapanese("\x93\xFA\x96\x7B"), L"\x65E5\x672C");
}

namespace {

// A file of the cases where INI readers part ways, in code page 1252.
const char kEdgeCases[] =
    "; a comment\r\n"
    "_Before=outside every section\r\n"
    "[other]\r\n_AppName=other section\r\n"
    "  [sTrInG]  \r\n"
    ";_Hide=commented out\r\n"
    "_AppName = first \r\n"
    "_APPNAME=second\r\n"
    "\t_Tabbed\t=\ttext\t\r\n"
    "_Double=\"  quoted  \"\r\n"
    "_Single='x'\r\n"
    "_Unmatched=\"x'\r\n"
    "_Lone=\"\r\n"
    "_Equals=a=b\r\n"
    "NoEquals\r\n"
    "_Empty=\r\n"
    "_Western=Gr\xFC\xDF" "e \x80 \x9C\r\n"
    "_Unix=lf\n_Mac=cr\r"
    "_Long=%LONG%\r\n"
    "_After=after the long line\r\n";

const std::vector<std::wstring> kEdgeKeys = {L"_Before", L"_AppName", L"_appname", L"_Hide", L"_Tabbed", L"_Double",
    L"_Single", L"_Unmatched", L"_Lone", L"_Equals", L"NoEquals", L"_Empty", L"_Western", L"_Unix", L"_Mac",
    L"_Long", L"_After", L"_Missing"};

std::string EdgeCaseFile()
{
    std::string file = kEdgeCases;
    file.replace(file.find("%LONG%"), 6, std::string(70000, 'x'));
    return file;
}

constexpr wchar_t kNoText[] = L"(no text)";

// What the program has always read its texts with, and the 65,535 characters
// it read them into.
std::wstring PlatformText(const std::string& path, const std::wstring& key)
{
    std::wstring buffer(65536, L'\0');
    const DWORD length = ::GetPrivateProfileStringW(L"String", key.c_str(), kNoText, buffer.data(), 65535,
                                                    ToWide(path).c_str());
    buffer.resize(length);
    return buffer;
}

std::wstring ReaderText(const std::string& path, const std::wstring& key)
{
    const std::wstring file = DecodeLanguageFile(test_support::ReadFileBytes(path), LegacyAnsiCodePage());
    const auto text = IniText(file.data(), file.size()).Value(L"String", key.c_str());
    return text ? std::wstring(text->text, text->length).substr(0, 65534) : kNoText;
}

void ExpectSameTextsAsThePlatform(const std::string& path, const std::vector<std::wstring>& keys)
{
    ASSERT_FALSE(test_support::ReadFileBytes(path).empty()) << path;
    for (const std::wstring& key : keys) {
        EXPECT_EQ(ReaderText(path, key), PlatformText(path, key)) << path << ": " << ToCodePage(key, CP_UTF8);
    }
}

std::vector<std::wstring> ProgramKeys()
{
    std::vector<std::wstring> keys;
    for (const std::string& key : test_support::ProgramLanguageKeys()) {
        keys.push_back(ToWide(key));
    }
    return keys;
}

}  // namespace

// The texts of the program's own reader (a language file decoded, then read
// by IniText), side by side with those of
// GetPrivateProfileStringW (which reads files without a byte-order mark in
// the process's code page: 1252 here, as in the legacy program).
TEST(LanguageFileSideBySide, EdgeCasesReadAsThePlatformReadsThem)
{
    ASSERT_EQ(::GetACP(), LegacyAnsiCodePage()) << "the test process keeps the legacy code page";
    test_support::TempFolder folder;
    ExpectSameTextsAsThePlatform(folder.Write("edge.lng", EdgeCaseFile()), kEdgeKeys);
}

TEST(LanguageFileSideBySide, FilesOfVersion11ReadAsThePlatformReadsThem)
{
    if (::GetACP() != 1252) {
        GTEST_SKIP() << "the Western files of version 1.1 are in code page 1252";
    }
    for (const char* name : {"English", "German", "French", "Spanish", "Italian", "Dutch"}) {
        ExpectSameTextsAsThePlatform(test_support::LanguagePathOfVersion11(name), ProgramKeys());
    }
}

TEST(LanguageFileSideBySide, ShippedFilesReadAsThePlatformReadsThem)
{
    // Saved with a byte-order mark, which the platform reads too.
    for (const test_support::ShippedLanguage& language : test_support::ShippedLanguages()) {
        ExpectSameTextsAsThePlatform(test_support::ShippedLanguagePath(language), ProgramKeys());
    }
}
