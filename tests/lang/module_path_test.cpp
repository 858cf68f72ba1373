#include "lang/module_path.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool EndsWithIgnoringCase(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && Lower(text.substr(text.size() - end.size())) == Lower(end);
}

// --- Paths as text ----------------------------------------------------------

TEST(FolderOfPath, CutsAtTheLastBackslashOrColon)
{
    EXPECT_EQ(FolderOfPath("C:\\Tools\\Timer.exe"), "C:\\Tools");
    EXPECT_EQ(FolderOfPath("C:\\Timer.exe"), "C:");
    EXPECT_EQ(FolderOfPath("C:app.exe"), "C:");
    EXPECT_EQ(FolderOfPath("D:\\x\\my.timer.exe"), "D:\\x");
}

TEST(FolderOfPath, NetworkPathGetsNoColon)
{
    EXPECT_EQ(FolderOfPath("\\\\server\\share\\Timer.exe"), "\\\\server\\share");
}

TEST(FolderOfPath, PathWithoutSeparatorHasNoFolder)
{
    EXPECT_EQ(FolderOfPath(""), "");
    EXPECT_EQ(FolderOfPath("Timer.exe"), "");
}

TEST(BaseNameOfPath, DropsFolderAndLastExtension)
{
    EXPECT_EQ(BaseNameOfPath("C:\\Tools\\Timer.exe", false), "Timer");
    EXPECT_EQ(BaseNameOfPath("C:\\Tools\\Timer.exe", true), "Timer.exe");
    EXPECT_EQ(BaseNameOfPath("D:\\x\\my.timer.exe", false), "my.timer");
    EXPECT_EQ(BaseNameOfPath("C:app.exe", false), "app");
    EXPECT_EQ(BaseNameOfPath("Timer.exe", false), "Timer");
    EXPECT_EQ(BaseNameOfPath("", false), "");
}

TEST(BaseNameOfPath, DotInTheFolderIsNotAnExtension)
{
    EXPECT_EQ(BaseNameOfPath("C:\\my.tools\\Timer", false), "Timer");
}

TEST(LanguageFilePathFor, SitsBesideTheExecutableWithItsBaseName)
{
    EXPECT_EQ(LanguageFilePathFor("C:\\Tools\\Timer.exe"), "C:\\Tools\\Timer.lng");
    EXPECT_EQ(LanguageFilePathFor("C:\\Timer.exe"), "C:\\Timer.lng");
    EXPECT_EQ(LanguageFilePathFor("D:\\x\\my.timer.exe"), "D:\\x\\my.timer.lng");
    EXPECT_EQ(LanguageFilePathFor("\\\\server\\share\\Timer.exe"), "\\\\server\\share\\Timer.lng");
}

TEST(LanguageFilePathFor, NoFolderMeansNoLanguageFile)
{
    // Not "Timer.lng": GetPrivateProfileStringA would look for that in the
    // Windows folder.
    EXPECT_EQ(LanguageFilePathFor(""), "");
    EXPECT_EQ(LanguageFilePathFor("Timer.exe"), "");
}

TEST(ModulePathText, TrailByteBackslashIsNoSeparator)
{
    if (!IsValidCodePage(932)) {
        GTEST_SKIP() << "code page 932 is not installed";
    }
    EXPECT_EQ(FolderOfPath("C:\\\x95\x5C\\Timer.exe", 932), "C:\\\x95\x5C");
    EXPECT_EQ(BaseNameOfPath("C:\\dir\\\x95\x5C.exe", false, 932), "\x95\x5C");
    EXPECT_EQ(LanguageFilePathFor("C:\\dir\\\x95\x5C.exe", 932), "C:\\dir\\\x95\x5C.lng");
}

// --- Reading the module's path whole -----------------------------------------

// Behaves as GetModuleFileNameA does for a module at `path`.
struct FakeModuleFileName {
    std::string path;
    bool terminatesWhenCut = true;  // Vista and later; XP leaves the text open
    int calls = 0;

    DWORD operator()(char* buffer, DWORD size)
    {
        ++calls;
        if (path.size() < size) {
            std::memcpy(buffer, path.c_str(), path.size() + 1);
            return static_cast<DWORD>(path.size());
        }
        std::memcpy(buffer, path.data(), size);
        if (terminatesWhenCut) {
            buffer[size - 1] = '\0';
        }
        return size;
    }
};

std::string LongPath(std::size_t length)
{
    std::string path = "C:\\";
    while (path.size() < length - 10) {
        path += "folder\\";
    }
    path.resize(length - 10, 'x');
    return path + "\\Timer.exe";
}

TEST(ReadWholeModuleFileName, ShortPathTakesOneCall)
{
    FakeModuleFileName fake{"C:\\Tools\\Timer.exe"};
    EXPECT_EQ(ReadWholeModuleFileName(std::ref(fake)), "C:\\Tools\\Timer.exe");
    EXPECT_EQ(fake.calls, 1);
}

TEST(ReadWholeModuleFileName, PathLongerThanMaxPathIsReadWhole)
{
    for (const std::size_t length : {259u, 260u, 261u, 520u, 5000u}) {
        FakeModuleFileName fake{LongPath(length)};
        EXPECT_EQ(ReadWholeModuleFileName(std::ref(fake)), fake.path) << length;
        fake.terminatesWhenCut = false;
        EXPECT_EQ(ReadWholeModuleFileName(std::ref(fake)), fake.path) << length;
    }
    FakeModuleFileName fake{LongPath(5000)};
    EXPECT_EQ(LanguageFilePathFor(ReadWholeModuleFileName(std::ref(fake))),
              fake.path.substr(0, fake.path.size() - 4) + ".lng");
}

TEST(ReadWholeModuleFileName, FailureGivesEmpty)
{
    EXPECT_EQ(ReadWholeModuleFileName([](char*, DWORD) -> DWORD { return 0; }), "");
}

TEST(ReadWholeModuleFileName, ReaderThatAlwaysCutsStillEnds)
{
    int calls = 0;
    const std::string path = ReadWholeModuleFileName([&calls](char* buffer, DWORD size) {
        ++calls;
        std::memset(buffer, 'x', size);
        return size;
    });
    EXPECT_LT(calls, 20);
    EXPECT_GE(path.size(), 32767u);
}

// --- The real modules ---------------------------------------------------------

TEST(ModulePath, NullModuleIsTheExecutable)
{
    const std::string path = ModuleFilePath(nullptr);
    EXPECT_TRUE(EndsWithIgnoringCase(path, "\\tolvrin_tests.exe")) << path;
    EXPECT_EQ(ModuleFolder(nullptr) + "\\" + ModuleBaseName(nullptr, true), path);
    EXPECT_TRUE(EndsWithIgnoringCase(ModuleBaseName(nullptr, false), "tolvrin_tests"));
    EXPECT_EQ(LanguageFilePath(nullptr), path.substr(0, path.size() - 4) + ".lng");
}

TEST(ModulePath, OtherModuleGivesItsOwnFile)
{
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    ASSERT_NE(kernel, nullptr);
    EXPECT_TRUE(EndsWithIgnoringCase(ModuleFilePath(kernel), "\\kernel32.dll"));
    EXPECT_EQ(Lower(ModuleBaseName(kernel, false)), "kernel32");
}

}  // namespace

TEST(FolderOfWidePath, KeepsNamesOutsideTheCodePageAndTheDriveColon)
{
    EXPECT_EQ(FolderOfWidePath(L"C:\\\x0422\x0435\x0441\x0442 \x0395\\app.exe"),
              L"C:\\\x0422\x0435\x0441\x0442 \x0395");
    EXPECT_EQ(FolderOfWidePath(L"C:app.exe"), L"C:");
    EXPECT_EQ(FolderOfWidePath(L"\\\\server\\share\\app.exe"), L"\\\\server\\share");
    EXPECT_EQ(FolderOfWidePath(L"app.exe"), L"");
}
