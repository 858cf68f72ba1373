#include "text/path_rules.h"

#include <gtest/gtest.h>

#include "support/case_table.h"

#include <string>

namespace {

// The views as strings, for the tables' comparisons and messages.
template <typename Rule>
auto AsString(Rule rule)
{
    return [rule](const wchar_t* path) { return std::wstring(rule(path)); };
}

TEST(IsAbsolutePath, NeedsADriveWithItsSeparatorOrTwoSeparators)
{
    test_support::ExpectEachCase<const wchar_t*, bool>(
        [](const wchar_t* path) { return IsAbsolutePath(path); },
        {
            {L"C:\\skins", true},
            {L"d:/skins", true},
            {L"\\\\server\\share", true},
            {L"//server/share", true},
            {L"\\\\?\\C:\\skins", true},
            {L"C:skins", false, "the drive's current folder"},
            {L"\\skins", false, "the current drive's root"},
            {L"C:", false},
            {L"1:\\skins", false, "no drive letter"},
            {L"skins", false},
            {L"", false},
        });
}

TEST(IsDriveOrRootRelative, IsWhatDependsOnTheCurrentDrive)
{
    test_support::ExpectEachCase<const wchar_t*, bool>(
        [](const wchar_t* path) { return IsDriveOrRootRelative(path); },
        {
            {L"\\skins", true},
            {L"/skins", true},
            {L"C:skins", true},
            {L"1:skins", true, "Windows reads any character before the colon as a drive"},
            {L"skins\\a.ini", false, "relative to a folder of the program's choosing"},
            {L"C:\\skins", false, "absolute"},
            {L"\\\\server\\share", false, "absolute"},
            {L"", false},
        });
}

TEST(RootOf, IsTheDriveOrTheShare)
{
    test_support::ExpectEachCase<const wchar_t*, std::wstring>(
        AsString(RootOf),
        {
            {L"C:\\Tools\\skins", L"C:"},
            {L"c:", L"c:"},
            {L"\\\\server\\share\\Tools", L"\\\\server\\share"},
            {L"//server/share", L"//server/share"},
            {L"\\\\server", L"\\\\server", "a server without a share"},
            {L"\\\\?\\C:\\Tools", L"\\\\?\\C:"},
            {L"\\Tools", L""},
            {L"Tools", L""},
        });
}

TEST(FolderOf, IsWhatComesBeforeTheLastSeparator)
{
    test_support::ExpectEachCase<const wchar_t*, std::wstring>(
        AsString(FolderOf),
        {
            {L"C:\\Tools\\Timer.exe", L"C:\\Tools"},
            {L"C:/Tools/Timer.exe", L"C:/Tools"},
            {L"C:\\Timer.exe", L"C:", "a drive's root"},
            {L"C:app.exe", L"C:", "the drive keeps its colon"},
            {L"D:\\x\\my.timer.exe", L"D:\\x"},
            {L"\\\\server\\share\\Timer.exe", L"\\\\server\\share", "a network path gets no colon"},
            {L"C:\\\x0422\x0435\x0441\x0442 \x0395\\app.exe", L"C:\\\x0422\x0435\x0441\x0442 \x0395"},
            // In code page 932 the second byte of 表 is a backslash.
            {L"C:\\\u30C7\u8868\\a.ini", L"C:\\\u30C7\u8868", "a character, not its bytes"},
            {L"", L""},
            {L"Timer.exe", L"", "no separator, no folder"},
        });
    EXPECT_TRUE(HasFolder(L"\\Timer.exe"));
    EXPECT_TRUE(HasFolder(L"C:Timer.exe"));
    EXPECT_FALSE(HasFolder(L"Timer.exe"));
    EXPECT_FALSE(HasFolder(L""));
}

TEST(NameOf, DropsTheFolderAndWithoutExtensionTheLastExtension)
{
    test_support::ExpectEachCase<const wchar_t*, std::wstring>(
        [](const wchar_t* path) { return std::wstring(WithoutExtension(NameOf(path))); },
        {
            {L"C:\\Tools\\Timer.exe", L"Timer"},
            {L"D:\\x\\my.timer.exe", L"my.timer"},
            {L"C:app.exe", L"app"},
            {L"Timer.exe", L"Timer"},
            {L"C:\\my.tools\\Timer", L"Timer", "a dot in the folder is no extension"},
            {L"C:\\Tools\\", L""},
            {L"", L""},
        });
    EXPECT_EQ(NameOf(L"C:\\Tools\\Timer.exe"), L"Timer.exe");
}

TEST(NeedsSeparatorBefore, UnlessTheFolderIsEmptyOrEndsInOne)
{
    EXPECT_TRUE(NeedsSeparatorBefore(L"C:\\Tools"));
    EXPECT_TRUE(NeedsSeparatorBefore(L"C:"));
    EXPECT_FALSE(NeedsSeparatorBefore(L"C:\\Tools\\"));
    EXPECT_FALSE(NeedsSeparatorBefore(L"C:/"));
    EXPECT_FALSE(NeedsSeparatorBefore(L""));
}

}  // namespace
