#include "lang/language_file_path.h"

#include <gtest/gtest.h>

#include "support/case_table.h"
#include "text/module_path.h"

#include <algorithm>
#include <string>

namespace {

std::wstring Lower(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; });
    return text;
}

TEST(LanguageFilePathFor, SitsBesideTheExecutableWithItsBaseName)
{
    test_support::ExpectEachCase<const wchar_t*, std::wstring>(
        [](const wchar_t* path) { return LanguageFilePathFor(path); },
        {
            {L"C:\\Tools\\Timer.exe", L"C:\\Tools\\Timer.lng"},
            {L"C:\\Timer.exe", L"C:\\Timer.lng"},
            {L"D:\\x\\my.timer.exe", L"D:\\x\\my.timer.lng"},
            {L"D:\\my.tools\\Timer", L"D:\\my.tools\\Timer.lng", "a dot in the folder is no extension"},
            {L"\\\\server\\share\\Timer.exe", L"\\\\server\\share\\Timer.lng"},
            {L"C:Timer.exe", L"C:\\Timer.lng", "the drive's colon stays"},
        });
}

TEST(LanguageFilePathFor, KeepsNamesOutsideTheAnsiCodePage)
{
    // Cyrillic, Greek and Polish letters: no ANSI code page holds them all.
    EXPECT_EQ(LanguageFilePathFor(L"C:\\\x0422\x0435\x0441\x0442 \x0395\x03BB\\\x0141\x00F3\x0064\x017A.exe"),
              L"C:\\\x0422\x0435\x0441\x0442 \x0395\x03BB\\\x0141\x00F3\x0064\x017A.lng");
}

TEST(LanguageFilePathFor, NoFolderMeansNoLanguageFile)
{
    // Not "Timer.lng": GetPrivateProfileStringW would look for that in the
    // Windows folder.
    EXPECT_EQ(LanguageFilePathFor(L""), L"");
    EXPECT_EQ(LanguageFilePathFor(L"Timer.exe"), L"");
}

TEST(LanguageFilePath, OfTheExecutableSitsBesideIt)
{
    const std::wstring program = ModuleFilePath(nullptr);
    ASSERT_GT(program.size(), 4u);
    EXPECT_EQ(Lower(LanguageFilePath(nullptr)), Lower(program.substr(0, program.size() - 4) + L".lng"));
}

}  // namespace
