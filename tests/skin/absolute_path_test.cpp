#include "skin/absolute_path.h"

#include <gtest/gtest.h>

namespace {

TEST(AbsolutePathIn, AbsolutePathsStayAsWritten)
{
    for (const wchar_t* path : {L"C:\\skins", L"d:/skins", L"\\\\server\\share\\skins", L"//server/share",
                                L"\\\\?\\C:\\skins"}) {
        EXPECT_EQ(AbsolutePathIn(L"C:\\Tools", path), path);
    }
    EXPECT_EQ(AbsolutePathIn(L"C:\\Tools", L""), L"");
}

TEST(AbsolutePathIn, RelativePathsLieInTheFolder)
{
    EXPECT_EQ(AbsolutePathIn(L"C:\\Tools", L"skins\\light"), L"C:\\Tools\\skins\\light");
    EXPECT_EQ(AbsolutePathIn(L"C:\\Tools", L".\\a.ini"), L"C:\\Tools\\.\\a.ini");
    EXPECT_EQ(AbsolutePathIn(L"C:\\Tools", L"..\\a.ini"), L"C:\\Tools\\..\\a.ini");
    EXPECT_EQ(AbsolutePathIn(L"C:", L"skins"), L"C:\\skins");
    EXPECT_EQ(AbsolutePathIn(L"C:\\Tools\\", L"skins"), L"C:\\Tools\\skins");
    EXPECT_EQ(AbsolutePathIn(L"\\\\server\\share\\Tools", L"skins"), L"\\\\server\\share\\Tools\\skins");
}

TEST(AbsolutePathIn, RootRelativePathsTakeTheFoldersDriveOrShare)
{
    EXPECT_EQ(AbsolutePathIn(L"C:\\Tools", L"\\skins"), L"C:\\skins");
    EXPECT_EQ(AbsolutePathIn(L"C:", L"/skins"), L"C:/skins");
    EXPECT_EQ(AbsolutePathIn(L"\\\\server\\share\\Tools", L"\\skins"), L"\\\\server\\share\\skins");
    EXPECT_EQ(AbsolutePathIn(L"\\\\server\\share", L"\\skins"), L"\\\\server\\share\\skins");
}

TEST(AbsolutePathIn, DriveRelativePathsNeverTakeACurrentFolder)
{
    EXPECT_EQ(AbsolutePathIn(L"C:\\Tools", L"c:skins"), L"C:\\Tools\\skins");
    EXPECT_EQ(AbsolutePathIn(L"C:\\Tools", L"D:skins"), L"D:\\skins");
    EXPECT_EQ(AbsolutePathIn(L"\\\\server\\share", L"D:skins"), L"D:\\skins");
}

TEST(AbsolutePathIn, NamesOutsideTheAnsiCodePageStayWhole)
{
    // In code page 932 the second byte of 表 is a backslash.
    EXPECT_EQ(AbsolutePathIn(L"C:\\デザイン表", L"表.ini"), L"C:\\デザイン表\\表.ini");
    EXPECT_EQ(AbsolutePathIn(L"C:\\Тест Ελλάδα", L"skins"), L"C:\\Тест Ελλάδα\\skins");
}

}  // namespace
