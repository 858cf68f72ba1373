#include "text/module_path.h"

#include <gtest/gtest.h>

#include "support/case_table.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <utility>

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::wstring Lower(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; });
    return text;
}

bool EndsWithIgnoringCase(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && Lower(text.substr(text.size() - end.size())) == Lower(end);
}

// --- Paths as text ----------------------------------------------------------

TEST(FolderOfPath, IsWhatComesBeforeTheLastBackslashOrColon)
{
    test_support::ExpectEachCase<const char*, std::string>([](const char* path) { return FolderOfPath(path); },
        {
            {"C:\\Tools\\Timer.exe", "C:\\Tools"},
            {"C:\\Timer.exe", "C:"},
            {"C:app.exe", "C:"},
            {"D:\\x\\my.timer.exe", "D:\\x"},
            {"\\\\server\\share\\Timer.exe", "\\\\server\\share", "a network path gets no colon"},
            {"", ""},
            {"Timer.exe", "", "no separator, no folder"},
        });
}

TEST(BaseNameOfPath, DropsFolderAndLastExtension)
{
    using PathAndExtension = std::pair<const char*, bool>;
    test_support::ExpectEachCase<PathAndExtension, std::string>(
        [](const PathAndExtension& in) { return BaseNameOfPath(in.first, in.second); },
        {
            {{"C:\\Tools\\Timer.exe", false}, "Timer"},
            {{"C:\\Tools\\Timer.exe", true}, "Timer.exe", "with its extension"},
            {{"D:\\x\\my.timer.exe", false}, "my.timer"},
            {{"C:app.exe", false}, "app"},
            {{"Timer.exe", false}, "Timer"},
            {{"", false}, ""},
            {{"C:\\my.tools\\Timer", false}, "Timer", "a dot in the folder is no extension"},
        });
}

TEST(LanguageFilePathFor, SitsBesideTheExecutableWithItsBaseName)
{
    test_support::ExpectEachCase<const wchar_t*, std::wstring>(
        [](const wchar_t* path) { return LanguageFilePathFor(path); },
        {
            {L"C:\\Tools\\Timer.exe", L"C:\\Tools\\Timer.lng"},
            {L"C:\\Timer.exe", L"C:\\Timer.lng"},
            {L"D:\\x\\my.timer.exe", L"D:\\x\\my.timer.lng"},
            {L"D:\\my.tools\\Timer", L"D:\\my.tools\\Timer.lng"},
            {L"\\\\server\\share\\Timer.exe", L"\\\\server\\share\\Timer.lng"},
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

TEST(LongPathOf, GivesTheLongNameOfAShortOneAndLeavesTheRestAlone)
{
    wchar_t system[MAX_PATH] = {};
    ASSERT_GT(::GetSystemDirectoryW(system, MAX_PATH), 0u);
    const std::wstring kernel = std::wstring(system) + L"\\kernel32.dll";
    EXPECT_EQ(Lower(LongPathOf(kernel)), Lower(kernel));
    wchar_t shortName[MAX_PATH] = {};
    if (::GetShortPathNameW(kernel.c_str(), shortName, MAX_PATH) > 0) {
        EXPECT_EQ(Lower(LongPathOf(shortName)), Lower(kernel));
    }
    EXPECT_EQ(LongPathOf(L"C:\\no such folder\\Timer.exe"), L"C:\\no such folder\\Timer.exe");
    EXPECT_EQ(LongPathOf(L""), L"");
}

TEST(ModulePathText, TrailByteBackslashIsNoSeparator)
{
    if (!IsValidCodePage(932)) {
        GTEST_SKIP() << "code page 932 is not installed";
    }
    EXPECT_EQ(FolderOfPath("C:\\\x95\x5C\\Timer.exe", 932), "C:\\\x95\x5C");
    EXPECT_EQ(BaseNameOfPath("C:\\dir\\\x95\x5C.exe", false, 932), "\x95\x5C");
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
    const std::wstring wide = ModuleFilePathW(nullptr);
    EXPECT_EQ(Lower(LanguageFilePath(nullptr)), Lower(wide.substr(0, wide.size() - 4) + L".lng"));
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
