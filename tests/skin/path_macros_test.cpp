#include "skin/path_macros.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <string>

#include "lang/module_path.h"

namespace {

using path_macros::Expand;
using path_macros::ExpandWith;
using path_macros::Folders;
using path_macros::MakeTable;
using path_macros::Table;

std::string Queried(UINT(WINAPI* query)(LPSTR, UINT))
{
    char buffer[MAX_PATH] = {};
    query(buffer, MAX_PATH);
    return buffer;
}

std::string ShellFolder(int csidl)
{
    char buffer[MAX_PATH] = {};
    EXPECT_EQ(::SHGetFolderPathA(nullptr, csidl, nullptr, 0, buffer), S_OK) << csidl;
    return buffer;
}

std::string TempFolderWithoutBackslash()
{
    char buffer[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, buffer);
    std::string path = buffer;
    if (!path.empty() && path.back() == '\\') {
        path.pop_back();
    }
    return path;
}

// --- This computer's folders (Wine's) ---------------------------------------

TEST(PathMacros, EachMacroGivesItsFolder)
{
    const std::string windows = Queried(::GetWindowsDirectoryA);
    const struct {
        const char* text;
        std::string folder;
    } cases[] = {
        {"%AppData%", ShellFolder(CSIDL_APPDATA)},
        {"%CommonAppData%", ShellFolder(CSIDL_COMMON_APPDATA)},
        {"%LocalAppData%", ShellFolder(CSIDL_COMMON_APPDATA)},
        {"%ModulePath%", ModuleFolder(nullptr)},
        {"%Personal%", ShellFolder(CSIDL_PERSONAL)},
        {"%SystemDirectory%", Queried(::GetSystemDirectoryA)},
        {"%TempDirectory%", TempFolderWithoutBackslash()},
        {"%Windows%", windows},
        {"%WindowsDirectory%", windows},
    };
    for (const auto& [text, folder] : cases) {
        SCOPED_TRACE(text);
        ASSERT_FALSE(folder.empty());
        EXPECT_NE(folder.back(), '\\');
        EXPECT_EQ(Expand(std::string(text) + "\\x"), folder + "\\x");
    }
}

TEST(PathMacros, LetterCaseOfTheMacroDoesNotMatter)
{
    EXPECT_EQ(Expand("%tempdirectory%\\a.uis"), TempFolderWithoutBackslash() + "\\a.uis");
    EXPECT_EQ(Expand("%MODULEPATH%"), ModuleFolder(nullptr));
}

TEST(PathMacros, OnlyTheFirstOccurrenceOfAMacroIsReplaced)
{
    const std::string appData = ShellFolder(CSIDL_APPDATA);
    EXPECT_EQ(Expand("%AppData%;%AppData%"), appData + ";%AppData%");
}

TEST(PathMacros, TextAroundAndBetweenMacrosStaysAndUnknownNamesStay)
{
    EXPECT_EQ(Expand("x %ModulePath%-%Unknown%-%Windows% y"),
              "x " + ModuleFolder(nullptr) + "-%Unknown%-" + Queried(::GetWindowsDirectoryA) + " y");
    EXPECT_EQ(Expand(""), "");
    EXPECT_EQ(Expand("%"), "%");
}

TEST(PathMacros, FolderPathAsksShfolderDll)
{
    char buffer[MAX_PATH] = {};
    EXPECT_EQ(path_macros::FolderPath(nullptr, CSIDL_APPDATA, nullptr, 0, buffer), S_OK);
    EXPECT_EQ(std::string(buffer), ShellFolder(CSIDL_APPDATA));
}

// --- The table's rules, on folders given ------------------------------------

Folders SomeFolders()
{
    Folders folders;
    folders.appData = "C:\\Users\\u\\AppData\\Roaming\\";
    folders.commonAppData = "C:\\ProgramData";
    folders.modulePath = "C:\\Tools";
    folders.personal = "C:\\Users\\u\\Documents";
    folders.systemDirectory = "C:\\Windows\\system32";
    folders.tempDirectory = "C:\\Temp\\";
    folders.windowsDirectory = "C:\\Windows";
    return folders;
}

TEST(PathMacroTable, NamesInByteOrderWithOneTrailingBackslashDropped)
{
    const Table table = MakeTable(SomeFolders());
    ASSERT_EQ(table.size(), 9u);
    EXPECT_TRUE(std::is_sorted(table.begin(), table.end(),
                               [](const auto& a, const auto& b) { return a.name < b.name; }));
    EXPECT_EQ(ExpandWith("%AppData%", table), "C:\\Users\\u\\AppData\\Roaming");
    EXPECT_EQ(ExpandWith("%TempDirectory%\\a.uis", table), "C:\\Temp\\a.uis");
}

TEST(PathMacroTable, ModulePathOfAnExecutableInADriveRoot)
{
    Folders folders = SomeFolders();
    folders.modulePath = FolderOfPath("C:\\Timer.exe");
    EXPECT_EQ(ExpandWith("%ModulePath%\\skins", MakeTable(folders)), "C:\\skins");
}

TEST(PathMacroTable, WindowsDirectoryIsNotEatenByWindows)
{
    const Table table = MakeTable(SomeFolders());
    EXPECT_EQ(ExpandWith("%WindowsDirectory%\\a", table), "C:\\Windows\\a");
    EXPECT_EQ(ExpandWith("%Windows%\\a;%WindowsDirectory%\\b", table), "C:\\Windows\\a;C:\\Windows\\b");
}

TEST(PathMacroTable, LocalAppDataIsTheSharedFolder)
{
    EXPECT_EQ(ExpandWith("%LocalAppData%\\x", MakeTable(SomeFolders())), "C:\\ProgramData\\x");
}

TEST(PathMacroTable, FolderThatCouldNotBeFoundLeavesItsMacro)
{
    // As without shfolder.dll: the shell's folders are unknown.
    Folders folders = SomeFolders();
    folders.appData.clear();
    folders.commonAppData.clear();
    folders.personal.clear();
    const Table table = MakeTable(folders);
    EXPECT_EQ(ExpandWith("%Personal%\\skin;%LocalAppData%;%Windows%", table),
              "%Personal%\\skin;%LocalAppData%;C:\\Windows");
}

TEST(PathMacroTable, AFolderInsertedEarlierIsSearchedByLaterMacros)
{
    Folders folders = SomeFolders();
    folders.appData = "C:\\%Windows%";
    EXPECT_EQ(ExpandWith("%AppData%", MakeTable(folders)), "C:\\C:\\Windows");
}

}  // namespace
