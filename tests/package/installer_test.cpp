// The installer that scripts/package writes, run silently under Wine the way
// an administrator would: what it puts in place, the installed program in the
// chosen language, the upgrade over an existing install, and an uninstall that
// takes away its own files and leaves the user's.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>

#include <string>
#include <vector>

#include "package/installation.h"
#include "resource.h"
#include "support/program_process.h"
#include "support/program_windows.h"
#include "support/window_finder.h"
#include "support/wine_only.h"

namespace {

using package_test::FileBytes;
using package_test::FileExists;
using package_test::FolderExists;
using package_test::InstallFolder;
using package_test::SetupPath;
using package_test::UninstallEntryExists;
using package_test::UninstallText;
using test_support::ProgramProcess;

constexpr DWORD kSetupTimeoutMs = 60000;

std::string BuiltLanguagesFolder()
{
    return test_support::TestBinaryFolder() + "\\languages";
}

// The translation the tests install: German when it ships, else another
// translation the installer offers, else English.
std::string ChosenLanguage()
{
    for (const char* name : {"German", "French", "Spanish", "Italian", "Dutch"}) {
        if (FileExists(BuiltLanguagesFolder() + "\\" + name + ".lng")) {
            return name;
        }
    }
    return "English";
}

std::string BuiltLanguageFile(const std::string& name)
{
    const std::string file = BuiltLanguagesFolder() + "\\" + name + ".lng";
    return FileExists(file) ? file : test_support::TestBinaryFolder() + "\\TolvrinShutdown.lng";
}

// Compared as a whole, reported by name: the bytes would fill the log.
bool InstalledLanguageIs(const std::string& name)
{
    const std::string expected = FileBytes(BuiltLanguageFile(name));
    return !expected.empty() && FileBytes(InstallFolder() + "\\TolvrinShutdown.lng") == expected;
}

DWORD RunSetup(const std::string& arguments)
{
    ProgramProcess setup(SetupPath(), arguments);
    return setup.Started() ? setup.WaitForExit(kSetupTimeoutMs) : STILL_ACTIVE;
}

// The uninstaller copies itself to the temporary folder, starts the copy and
// ends at once: the removal is complete when the entry and the program are
// gone.
bool RunQuietUninstall()
{
    const std::string command = UninstallText("QuietUninstallString");
    const std::string suffix = "\" /S";
    if (command.size() < suffix.size() + 2 || command.front() != '"' ||
        command.compare(command.size() - suffix.size(), suffix.size(), suffix) != 0) {
        ADD_FAILURE() << "QuietUninstallString is not \"...\" /S: " << command;
        return false;
    }
    ProgramProcess uninstaller(command.substr(1, command.size() - suffix.size() - 1), "/S");
    if (!uninstaller.Started()) {
        return false;
    }
    uninstaller.WaitForExit(kSetupTimeoutMs);
    return test_support::WaitUntil(
        [] { return !UninstallEntryExists() && !FileExists(InstallFolder() + "\\TolvrinShutdown.exe"); },
        kSetupTimeoutMs);
}

std::vector<std::string> FilesTheInstallPuts()
{
    std::vector<std::string> files = {"TolvrinShutdown.exe", "TolvrinShutdown.lng", "README.txt", "LICENSE.txt",
                                      "uninstall.exe"};
    WIN32_FIND_DATAA found{};
    HANDLE search = ::FindFirstFileA((BuiltLanguagesFolder() + "\\*.lng").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            files.push_back(std::string("languages\\") + found.cFileName);
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    return files;
}

class InstallerUnderWine : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::CoInitialize(nullptr);
        ASSERT_TRUE(FileExists(SetupPath())) << SetupPath() << " is missing: run scripts/package";
        RemoveEarlierInstall();
    }

    void TearDown() override
    {
        RemoveEarlierInstall();
        ::DeleteFileA(UserFile().c_str());
        ::RemoveDirectoryA(InstallFolder().c_str());
        ::CoUninitialize();
    }

    static std::string UserFile() { return InstallFolder() + "\\my notes.txt"; }

private:
    static void RemoveEarlierInstall()
    {
        if (UninstallEntryExists()) {
            RunQuietUninstall();
        }
    }
};

TEST_F(InstallerUnderWine, SilentInstallPutsFilesShortcutAndEntryInPlace)
{
    const std::string language = ChosenLanguage();
    ASSERT_EQ(RunSetup("/S /LANG=" + language), 0u);

    const std::string folder = InstallFolder();
    for (const std::string& file : FilesTheInstallPuts()) {
        EXPECT_TRUE(FileExists(folder + "\\" + file)) << file;
    }
    EXPECT_TRUE(InstalledLanguageIs(language)) << "the installed language file is not " << language;

    const package_test::ShortcutTarget shortcut = package_test::ReadShortcut(package_test::ShortcutPath());
    EXPECT_EQ(shortcut.path, folder + "\\TolvrinShutdown.exe");
    EXPECT_EQ(shortcut.arguments, "") << "the shortcut opens the parameters dialog";

    ASSERT_TRUE(UninstallEntryExists());
    EXPECT_EQ(UninstallText("DisplayName"), "Tolvrin Shutdown Manager");
    EXPECT_EQ(UninstallText("DisplayVersion"), TOLVRIN_VERSION);
    EXPECT_EQ(UninstallText("Publisher"), "Tolvrin Shutdown Manager developers");
    EXPECT_EQ(UninstallText("DisplayIcon"), folder + "\\TolvrinShutdown.exe,0");
    EXPECT_EQ(UninstallText("UninstallString"), "\"" + folder + "\\uninstall.exe\"");
    EXPECT_EQ(UninstallText("QuietUninstallString"), "\"" + folder + "\\uninstall.exe\" /S");
    const DWORD sizeKb = package_test::UninstallNumber("EstimatedSize");
    EXPECT_GT(sizeKb, 100u);
    EXPECT_LT(sizeKb, 10000u);
}

TEST_F(InstallerUnderWine, InstalledProgramRunsInTheChosenLanguage)
{
    SKIP_UNLESS_UNDER_WINE();
    const std::string language = ChosenLanguage();
    ASSERT_EQ(RunSetup("/S /LANG=" + language), 0u);
    const std::string texts = BuiltLanguageFile(language);

    ProgramProcess program(InstallFolder() + "\\TolvrinShutdown.exe", "0,2,");
    ASSERT_TRUE(program.Started());
    HWND window = test_support::WaitForCountdownWindow(program.Id());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(test_support::ControlText(::GetDlgItem(window, IDCANCEL)),
              package_test::LanguageText(texts, "_Cancel"));
    EXPECT_EQ(test_support::ControlText(::GetDlgItem(window, IDC_HIDE)), package_test::LanguageText(texts, "_Hide"));
    EXPECT_EQ(program.WaitForExit(20000), 1u);
}

TEST_F(InstallerUnderWine, SilentUninstallRemovesItsOwnAndLeavesTheUsersFile)
{
    ASSERT_EQ(RunSetup("/S"), 0u);
    const std::string folder = InstallFolder();
    ASSERT_TRUE(FileExists(folder + "\\TolvrinShutdown.exe"));
    HANDLE userFile = ::CreateFileA(UserFile().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(userFile, INVALID_HANDLE_VALUE);
    ::CloseHandle(userFile);

    ASSERT_TRUE(RunQuietUninstall()) << "the uninstall entry or the program is still there";
    for (const std::string& file : FilesTheInstallPuts()) {
        EXPECT_FALSE(FileExists(folder + "\\" + file)) << file;
    }
    EXPECT_FALSE(FolderExists(folder + "\\languages"));
    EXPECT_FALSE(FileExists(package_test::ShortcutPath()));
    EXPECT_TRUE(FileExists(UserFile())) << "the uninstaller removed a file it did not install";
}

TEST_F(InstallerUnderWine, UpgradeOverAnInstallKeepsOneEntryAndTheEarlierLanguage)
{
    const std::string language = ChosenLanguage();
    ASSERT_EQ(RunSetup("/S /LANG=English"), 0u);
    ASSERT_TRUE(InstalledLanguageIs("English"));
    // An older program in its place.
    const std::string program = InstallFolder() + "\\TolvrinShutdown.exe";
    HANDLE older = ::CreateFileA(program.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(older, INVALID_HANDLE_VALUE);
    ::CloseHandle(older);

    ASSERT_EQ(RunSetup("/S /LANG=" + language), 0u);
    EXPECT_TRUE(FileBytes(program) == FileBytes(test_support::ProgramPath())) << "the program was not replaced";
    EXPECT_TRUE(InstalledLanguageIs(language)) << "not " << language << " after the upgrade";
    EXPECT_EQ(UninstallText("DisplayVersion"), TOLVRIN_VERSION);

    // Without /LANG= an upgrade keeps the language chosen before.
    ASSERT_EQ(RunSetup("/S"), 0u);
    EXPECT_TRUE(InstalledLanguageIs(language)) << "the upgrade did not keep " << language;
}

TEST_F(InstallerUnderWine, UnknownLanguageInstallsNothingAndEndsWithTwo)
{
    EXPECT_EQ(RunSetup("/S /LANG=Klingon"), 2u);
    EXPECT_FALSE(UninstallEntryExists());
    EXPECT_FALSE(FileExists(InstallFolder() + "\\TolvrinShutdown.exe"));
}

}  // namespace
