#include "text/path_rules.h"

#include <gtest/gtest.h>

#include "support/case_table.h"
#include "text/wide_text.h"

#include <ostream>
#include <string>

namespace {

// Absolute, relative to the current drive or its root, or relative to a
// folder of the program's choosing.
TEST(IsAbsolutePath, NeedsADriveWithItsSeparatorOrTwoSeparators)
{
    for (const wchar_t* path : {L"C:\\skins", L"d:/skins", L"\\\\server\\share", L"//server/share", L"\\\\?\\C:\\x"}) {
        EXPECT_TRUE(IsAbsolutePath(path)) << ToCodePage(path, CP_UTF8);
        EXPECT_FALSE(IsDriveOrRootRelative(path)) << ToCodePage(path, CP_UTF8);
    }
    // A drive's current folder, the current drive's root, and a colon after
    // no letter, which Windows reads as a drive all the same.
    for (const wchar_t* path : {L"C:skins", L"C:", L"\\skins", L"/skins", L"1:\\skins"}) {
        EXPECT_FALSE(IsAbsolutePath(path)) << ToCodePage(path, CP_UTF8);
        EXPECT_TRUE(IsDriveOrRootRelative(path)) << ToCodePage(path, CP_UTF8);
    }
    for (const wchar_t* path : {L"skins\\a.ini", L"..\\a.ini", L""}) {
        EXPECT_FALSE(IsAbsolutePath(path)) << ToCodePage(path, CP_UTF8);
        EXPECT_FALSE(IsDriveOrRootRelative(path)) << ToCodePage(path, CP_UTF8);
    }
}

// A path's root, its folder, and its name without the last extension.
struct Parts {
    std::wstring root;
    std::wstring folder;
    std::wstring baseName;
    bool operator==(const Parts&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Parts& p)
{
    return out << "root \"" << ToCodePage(p.root, CP_UTF8) << "\", folder \"" << ToCodePage(p.folder, CP_UTF8)
               << "\", base name \"" << ToCodePage(p.baseName, CP_UTF8) << "\"";
}

TEST(FolderOf, IsWhatComesBeforeTheLastSeparatorOrADrivesColon)
{
    test_support::ExpectEachCase<const wchar_t*, Parts>(
        [](const wchar_t* path) {
            return Parts{std::wstring(RootOf(path)), std::wstring(FolderOf(path)),
                         std::wstring(WithoutExtension(NameOf(path)))};
        },
        {
            {L"C:\\Tools\\Timer.exe", {L"C:", L"C:\\Tools", L"Timer"}},
            {L"C:/Tools/Timer.exe", {L"C:", L"C:/Tools", L"Timer"}},
            {L"C:\\Timer.exe", {L"C:", L"C:", L"Timer"}, "a drive's root"},
            {L"C:app.exe", {L"C:", L"C:", L"app"}, "the drive keeps its colon"},
            {L"D:\\x\\my.timer.exe", {L"D:", L"D:\\x", L"my.timer"}, "only the last extension goes"},
            {L"C:\\my.tools\\Timer", {L"C:", L"C:\\my.tools", L"Timer"}, "a dot in the folder is no extension"},
            {L"C:\\Tools\\", {L"C:", L"C:\\Tools", L""}},
            {L"\\\\server\\share\\Timer.exe", {L"\\\\server\\share", L"\\\\server\\share", L"Timer"},
             "a network path gets no colon"},
            {L"//server/share/a/b", {L"//server/share", L"//server/share/a", L"b"}},
            {L"\\\\server", {L"\\\\server", L"\\", L"server"}, "a server without a share"},
            {L"\\\\?\\C:\\Tools\\a", {L"\\\\?\\C:", L"\\\\?\\C:\\Tools", L"a"}},
            {L"\\Tools\\a", {L"", L"\\Tools", L"a"}},
            {L"C:\\\x0422\x0435\x0441\x0442 \x0395\\app.exe", {L"C:", L"C:\\\x0422\x0435\x0441\x0442 \x0395", L"app"}},
            // In code page 932 the second byte of 表 is a backslash.
            {L"C:\\\u30C7\u8868\\a.ini", {L"C:", L"C:\\\u30C7\u8868", L"a"}, "a character, not its bytes"},
            {L"Timer.exe", {L"", L"", L"Timer"}, "no separator, no folder"},
            {L"", {L"", L"", L""}},
        });
    EXPECT_EQ(NameOf(L"C:\\Tools\\Timer.exe"), L"Timer.exe");
    EXPECT_TRUE(HasFolder(L"\\Timer.exe"));
    EXPECT_TRUE(HasFolder(L"C:Timer.exe"));
    EXPECT_FALSE(HasFolder(L"Timer.exe"));
    EXPECT_FALSE(HasFolder(L""));
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
