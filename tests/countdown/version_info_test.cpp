// Reading the version resource. The test executable links the program's own
// resources, so its version information is the program's.
#include "countdown/version_info.h"

#include "support/skin_engine.h"
#include "support/temp_folder.h"
#include "text/wide_text.h"
#include "version.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring OwnExecutablePath()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

TEST(VersionEntryQueryTest, NamesTheBlockInFourLowerCaseHexDigitsEach)
{
    EXPECT_EQ(VersionEntryQuery(0x0409, 0x04B0, "ProductName"), "\\StringFileInfo\\040904b0\\ProductName");
    EXPECT_EQ(VersionEntryQuery(0x0007, 0x0000, "ProductVersion"), "\\StringFileInfo\\00070000\\ProductVersion");
    EXPECT_EQ(VersionEntryQuery(0xABCD, 0xEF01, "X"), "\\StringFileInfo\\abcdef01\\X");
}

TEST(VersionInfoTest, OwnExecutableCarriesTheProductNameAndVersion)
{
    const std::wstring path = OwnExecutablePath();
    EXPECT_EQ(ReadProductName(path), "Tolvrin Shutdown Manager");
    EXPECT_EQ(ReadProductVersion(path), TOLVRIN_VERSION_TEXT);
}

TEST(VersionInfoTest, ProgramInAFolderNamedOutsideTheCodePageIsRead)
{
    const test_support::TempFolder parent;
    test_support::WideNamedFolder folder(ToWide(parent.Path()), L"\u0422\u0435\u0441\u0442 \u0395\u03BB\u03BB\u03AC\u03B4\u03B1");
    const std::wstring copy = folder.CopyIn(OwnExecutablePath(), L"copy.exe");
    ASSERT_FALSE(copy.empty());
    EXPECT_EQ(ReadProductName(copy), "Tolvrin Shutdown Manager");
}

TEST(VersionInfoTest, OwnExecutableAnswersOtherEntriesOfTheSameTable)
{
    EXPECT_EQ(ReadVersionEntry(OwnExecutablePath(), "FileVersion"), TOLVRIN_VERSION_TEXT);
    EXPECT_EQ(ReadVersionEntry(OwnExecutablePath(), "NoSuchEntry"), "");
}

TEST(VersionInfoTest, FileWithoutVersionResourceGivesEmptyTexts)
{
    const test_support::TempFolder folder;
    const std::wstring file = ToWide(folder.Write("not-a-program.txt", "Not a program, just some text.\r\n"));
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(ReadProductName(file), "");
    EXPECT_EQ(ReadProductVersion(file), "");
}

TEST(VersionInfoTest, MissingFileGivesEmptyTexts)
{
    const std::wstring missing = OwnExecutablePath() + L".does-not-exist";
    EXPECT_EQ(ReadProductName(missing), "");
    EXPECT_EQ(ReadProductVersion(missing), "");
    EXPECT_EQ(ReadProductName(L""), "");
}

}  // namespace
