#include "skin/absolute_path.h"

#include <gtest/gtest.h>

#include "support/case_table.h"

namespace {

TEST(AbsolutePathIn, AbsolutePathsStayAsWritten)
{
    for (const wchar_t* path : {L"C:\\skins", L"d:/skins", L"\\\\server\\share\\skins", L"//server/share"}) {
        EXPECT_EQ(AbsolutePathIn(L"C:\\Tools", path), path);
    }
    EXPECT_EQ(AbsolutePathIn(L"C:\\Tools", L""), L"");
}

TEST(AbsolutePathIn, PathsNamingDevicesAreEmptyAsWrittenOrResolved)
{
    for (const wchar_t* path : {L"\\\\?\\C:\\skins", L"\\\\.\\pipe\\skin", L"COM1", L"skins\\CONIN$",
                                L"\\nul.ini", L"D:aux"}) {
        EXPECT_EQ(AbsolutePathIn(L"C:\\Tools", path), L"");
    }
    EXPECT_EQ(AbsolutePathIn(L"\\\\.\\pipe", L"skin"), L"") << "a device for a folder";
}

TEST(AbsolutePathIn, OtherPathsLieInTheFolderOrOnItsDriveOrShare)
{
    using FolderAndPath = std::pair<const wchar_t*, const wchar_t*>;
    test_support::ExpectEachCase<FolderAndPath, std::wstring>(
        [](const FolderAndPath& in) { return AbsolutePathIn(in.first, in.second); },
        {
            {{L"C:\\Tools", L"skins\\light"}, L"C:\\Tools\\skins\\light", "relative: in the folder"},
            {{L"C:\\Tools", L".\\a.ini"}, L"C:\\Tools\\.\\a.ini", "relative, with a dot"},
            {{L"C:\\Tools", L"..\\a.ini"}, L"C:\\Tools\\..\\a.ini", "relative, with two dots"},
            {{L"C:", L"skins"}, L"C:\\skins", "relative, in a drive's root"},
            {{L"C:\\Tools\\", L"skins"}, L"C:\\Tools\\skins", "relative, the folder ending in a backslash"},
            {{L"\\\\server\\share\\Tools", L"skins"}, L"\\\\server\\share\\Tools\\skins", "relative, on a share"},
            {{L"C:\\Tools", L"\\skins"}, L"C:\\skins", "root-relative: the folder's drive"},
            {{L"C:", L"/skins"}, L"C:/skins", "root-relative, with a slash"},
            {{L"\\\\server\\share\\Tools", L"\\skins"}, L"\\\\server\\share\\skins", "root-relative: the share"},
            {{L"\\\\server\\share", L"\\skins"}, L"\\\\server\\share\\skins", "root-relative, in the share's root"},
            {{L"C:\\Tools", L"c:skins"}, L"C:\\Tools\\skins", "drive-relative on the folder's drive"},
            {{L"C:\\Tools", L"D:skins"}, L"D:\\skins", "drive-relative on another drive: its root"},
            {{L"\\\\server\\share", L"D:skins"}, L"D:\\skins", "drive-relative from a share"},
            // In code page 932 the second byte of 表 is a backslash.
            {{L"C:\\デザイン表", L"表.ini"}, L"C:\\デザイン表\\表.ini", "names outside the code page"},
            {{L"C:\\Тест Ελλάδα", L"skins"}, L"C:\\Тест Ελλάδα\\skins", "names outside the code page"},
        });
}

}  // namespace
