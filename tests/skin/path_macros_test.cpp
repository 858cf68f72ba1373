#include "skin/path_macros.h"

#include <gtest/gtest.h>

#include "support/case_table.h"

#include <shlobj.h>

#include <map>
#include <string>
#include <vector>

#include "text/module_path.h"
#include "text/path_rules.h"

namespace {

using path_macros::Expand;
using path_macros::ExpandWith;
using path_macros::Folder;
using path_macros::FolderSource;

std::wstring Queried(UINT(WINAPI* query)(LPWSTR, UINT))
{
    wchar_t buffer[MAX_PATH] = {};
    query(buffer, MAX_PATH);
    return buffer;
}

std::wstring ShellFolder(int csidl)
{
    wchar_t buffer[MAX_PATH] = {};
    EXPECT_EQ(::SHGetFolderPathW(nullptr, csidl, nullptr, 0, buffer), S_OK) << csidl;
    return buffer;
}

std::wstring TempFolderWithoutBackslash()
{
    wchar_t buffer[MAX_PATH + 1] = {};
    ::GetTempPathW(MAX_PATH + 1, buffer);
    std::wstring path = buffer;
    if (!path.empty() && path.back() == L'\\') {
        path.pop_back();
    }
    return path;
}

// --- This computer's folders (Wine's) ---------------------------------------

TEST(PathMacros, EachMacroGivesItsFolder)
{
    const std::wstring windows = Queried(::GetWindowsDirectoryW);
    const struct {
        const wchar_t* text;
        std::wstring folder;
    } cases[] = {
        {L"%AppData%", ShellFolder(CSIDL_APPDATA)},
        {L"%CommonAppData%", ShellFolder(CSIDL_COMMON_APPDATA)},
        {L"%LocalAppData%", ShellFolder(CSIDL_COMMON_APPDATA)},
        {L"%ModulePath%", ModuleFolder(nullptr)},
        {L"%Personal%", ShellFolder(CSIDL_PERSONAL)},
        {L"%SystemDirectory%", Queried(::GetSystemDirectoryW)},
        {L"%TempDirectory%", TempFolderWithoutBackslash()},
        {L"%Windows%", windows},
        {L"%WindowsDirectory%", windows},
    };
    for (const auto& [text, folder] : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(text)));
        ASSERT_FALSE(folder.empty());
        EXPECT_NE(folder.back(), L'\\');
        EXPECT_EQ(Expand(std::wstring(text) + L"\\x"), folder + L"\\x");
    }
}

TEST(PathMacros, LetterCaseOfTheMacroDoesNotMatter)
{
    EXPECT_EQ(Expand(L"%tempdirectory%\\a.uis"), TempFolderWithoutBackslash() + L"\\a.uis");
    EXPECT_EQ(Expand(L"%MODULEPATH%"), ModuleFolder(nullptr));
}

TEST(PathMacros, OnlyTheFirstOccurrenceOfAMacroIsReplaced)
{
    EXPECT_EQ(Expand(L"%AppData%;%AppData%"), ShellFolder(CSIDL_APPDATA) + L";%AppData%");
}

TEST(PathMacros, TextAroundAndBetweenMacrosStaysAndUnknownNamesStay)
{
    EXPECT_EQ(Expand(L"x %ModulePath%-%Unknown%-%Windows% y"),
              L"x " + ModuleFolder(nullptr) + L"-%Unknown%-" + Queried(::GetWindowsDirectoryW) + L" y");
    EXPECT_EQ(Expand(L""), L"");
    EXPECT_EQ(Expand(L"%"), L"%");
}

// --- shfolder.dll -----------------------------------------------------------

class ShellFolderLoads : public ::testing::Test {
protected:
    path_macros::LibraryLoader Counting()
    {
        return [this] {
            ++loads_;
            return path_macros::LoadShellFolderLibrary();
        };
    }

    int loads_ = 0;
};

TEST_F(ShellFolderLoads, OnceForAllTheShellFoldersOfAnExpansion)
{
    const std::wstring text = L"%AppData%;%CommonAppData%;%LocalAppData%;%Personal%";
    const std::wstring expected = ShellFolder(CSIDL_APPDATA) + L";" + ShellFolder(CSIDL_COMMON_APPDATA) + L";" +
                                  ShellFolder(CSIDL_COMMON_APPDATA) + L";" + ShellFolder(CSIDL_PERSONAL);
    EXPECT_EQ(Expand(text, Counting()), expected);
    EXPECT_EQ(loads_, 1);
    EXPECT_EQ(Expand(text, Counting()), expected);
    EXPECT_EQ(loads_, 2);
}

TEST_F(ShellFolderLoads, NotAtAllWhenNoShellFolderIsNamed)
{
    const bool loadedBefore = ::GetModuleHandleW(L"shfolder.dll") != nullptr;
    EXPECT_EQ(Expand(L"%ModulePath%\\skins;%Windows%;%TempDirectory%;plain", Counting()),
              ModuleFolder(nullptr) + L"\\skins;" + Queried(::GetWindowsDirectoryW) + L";" +
                  TempFolderWithoutBackslash() + L";plain");
    EXPECT_EQ(Expand(L"", Counting()), L"");
    EXPECT_EQ(loads_, 0);
    EXPECT_EQ(::GetModuleHandleW(L"shfolder.dll") != nullptr, loadedBefore);
}

TEST_F(ShellFolderLoads, LetGoWhenTheExpansionEnds)
{
    if (::GetModuleHandleW(L"shfolder.dll") != nullptr) {
        GTEST_SKIP() << "shfolder.dll was in the process already";
    }
    Expand(L"%Personal%", Counting());
    EXPECT_EQ(loads_, 1);
    EXPECT_EQ(::GetModuleHandleW(L"shfolder.dll"), nullptr);
}

TEST_F(ShellFolderLoads, WithoutTheLibraryTheShellFoldersStayAsWritten)
{
    const path_macros::LibraryLoader missing = [this]() -> HMODULE {
        ++loads_;
        return nullptr;
    };
    EXPECT_EQ(Expand(L"%Personal%\\skin;%AppData%;%Windows%", missing),
              L"%Personal%\\skin;%AppData%;" + Queried(::GetWindowsDirectoryW));
    EXPECT_EQ(loads_, 1);
}

TEST(ShellFolderLibrary, ComesFromTheSystemFolder)
{
    const HMODULE library = path_macros::LoadShellFolderLibrary();
    ASSERT_NE(library, nullptr);
    const std::wstring folder = ModuleFolder(library);
    ::FreeLibrary(library);
    EXPECT_EQ(::CompareStringOrdinal(folder.c_str(), -1, Queried(::GetSystemDirectoryW).c_str(), -1, TRUE),
              CSTR_EQUAL)
        << ::testing::PrintToString(folder);
}

// --- The table's rules, on folders given ------------------------------------

// Folders as a computer could give them, and the ones asked for, in order.
class GivenFolders {
public:
    GivenFolders()
        : folders_{{Folder::AppData, L"C:\\Users\\u\\AppData\\Roaming\\"},
                   {Folder::CommonAppData, L"C:\\ProgramData"},
                   {Folder::ModulePath, L"C:\\Tools"},
                   {Folder::Personal, L"C:\\Users\\u\\Documents"},
                   {Folder::SystemDirectory, L"C:\\Windows\\system32"},
                   {Folder::TempDirectory, L"C:\\Temp\\"},
                   {Folder::Windows, L"C:\\Windows"}}
    {
    }

    std::wstring& operator[](Folder folder) { return folders_[folder]; }
    const std::vector<Folder>& Asked() const { return asked_; }

    FolderSource Source()
    {
        return [this](Folder folder) {
            asked_.push_back(folder);
            return folders_[folder];
        };
    }

    std::wstring Expand(const std::wstring& text) { return ExpandWith(text, Source()); }

private:
    std::map<Folder, std::wstring> folders_;
    std::vector<Folder> asked_;
};

TEST(PathMacroTable, EachMacroGivesItsFolder)
{
    GivenFolders folders;
    test_support::ExpectEachCase<const wchar_t*, std::wstring>(
        [&folders](const wchar_t* text) { return folders.Expand(text); },
        {
            {L"%AppData%", L"C:\\Users\\u\\AppData\\Roaming", "one trailing backslash is dropped"},
            {L"%TempDirectory%\\a.uis", L"C:\\Temp\\a.uis", "one trailing backslash is dropped"},
            {L"%WindowsDirectory%\\a", L"C:\\Windows\\a", "not eaten by %Windows%"},
            {L"%Windows%\\a;%WindowsDirectory%\\b", L"C:\\Windows\\a;C:\\Windows\\b", "not eaten by %Windows%"},
            {L"%LocalAppData%\\x", L"C:\\ProgramData\\x", "the shared folder"},
        });
}

TEST(PathMacroTable, ModulePathOfAnExecutableInADriveRoot)
{
    GivenFolders folders;
    folders[Folder::ModulePath] = std::wstring(FolderOf(L"C:\\Timer.exe"));
    EXPECT_EQ(folders.Expand(L"%ModulePath%\\skins"), L"C:\\skins");
}

TEST(PathMacroTable, FolderThatCouldNotBeFoundLeavesItsMacro)
{
    // As without shfolder.dll: the shell's folders are unknown.
    GivenFolders folders;
    folders[Folder::AppData].clear();
    folders[Folder::CommonAppData].clear();
    folders[Folder::Personal].clear();
    EXPECT_EQ(folders.Expand(L"%Personal%\\skin;%LocalAppData%;%Windows%"),
              L"%Personal%\\skin;%LocalAppData%;C:\\Windows");
}

TEST(PathMacroTable, AFolderInsertedEarlierIsSearchedByLaterMacros)
{
    GivenFolders folders;
    folders[Folder::AppData] = L"C:\\%Windows%";
    EXPECT_EQ(folders.Expand(L"%AppData%"), L"C:\\C:\\Windows");
    EXPECT_EQ(folders.Asked(), (std::vector<Folder>{Folder::AppData, Folder::Windows}));
}

TEST(PathMacroTable, OnlyTheFoldersOfMacrosInTheTextAreAskedFor)
{
    GivenFolders folders;
    EXPECT_EQ(folders.Expand(L"plain\\path"), L"plain\\path");
    EXPECT_TRUE(folders.Asked().empty());

    EXPECT_EQ(folders.Expand(L"%MODULEPATH%\\skins\\%windowsdirectory%"), L"C:\\Tools\\skins\\C:\\Windows");
    EXPECT_EQ(folders.Asked(), (std::vector<Folder>{Folder::ModulePath, Folder::Windows}));
}

TEST(PathMacroTable, AMacroReplacedAwayIsNotAskedForByTheNext)
{
    // "%Windows%" occurs inside the first text only until "%ModulePath%"
    // has replaced the part that held it.
    GivenFolders folders;
    folders[Folder::ModulePath] = L"D:\\x";
    EXPECT_EQ(folders.Expand(L"%ModulePath%Windows%"), L"D:\\xWindows%");
    EXPECT_EQ(folders.Asked(), std::vector<Folder>{Folder::ModulePath});
}

TEST(PathMacroTable, FoldersOutsideTheAnsiCodePageStayWhole)
{
    GivenFolders folders;
    folders[Folder::ModulePath] = L"C:\\Тест Ελλάδα";
    folders[Folder::AppData] = L"C:\\Users\\Łódź\\AppData\\Roaming";
    EXPECT_EQ(folders.Expand(L"%ModulePath%\\ΣΚΙΝ\\表\\%APPDATA%"),
              L"C:\\Тест Ελλάδα\\ΣΚΙΝ\\表\\C:\\Users\\Łódź\\AppData\\Roaming");
    // In code page 932 the second byte of 表 is a backslash: no byte of a
    // folder's name is taken for a separator.
    folders[Folder::Personal] = L"C:\\デザイン表\\";
    EXPECT_EQ(folders.Expand(L"%Personal%\\a.ini"), L"C:\\デザイン表\\a.ini");
}

}  // namespace
