// The installer that scripts/package writes, run silently under Wine the way
// an administrator would: what it puts in place, the installed program in the
// chosen language, the upgrade over an existing install, and an uninstall that
// takes away its own files and leaves the user's; each refusal with its own
// exit code and nothing changed.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <sddl.h>

#include <cstring>
#include <string>
#include <vector>

#include "package/installation.h"
#include "app/single_instance.h"
#include "resource.h"
#include "support/program_process.h"
#include "support/program_windows.h"
#include "support/shipped_languages.h"
#include "support/temp_folder.h"
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

// The entry's QuietUninstallString: the uninstaller in place with /S and
// _?=folder, so its exit code is the uninstall's. After a complete uninstall
// a copy of it in the temporary folder removes uninstall.exe (and the folder
// when empty) a moment after it ended: waited for here.
DWORD RunQuietUninstall()
{
    const std::string uninstaller = UninstallText("InstallLocation") + "\\uninstall.exe";
    const std::string command = UninstallText("QuietUninstallString");
    const std::string::size_type end = command.find("\" /S _?=");
    if (command.empty() || command.front() != '"' || end == std::string::npos) {
        ADD_FAILURE() << "QuietUninstallString is not \"...\" /S _?=folder: " << command;
        return STILL_ACTIVE;
    }
    ProgramProcess process(command.substr(1, end - 1), command.substr(end + 2));
    const DWORD code = process.Started() ? process.WaitForExit(kSetupTimeoutMs) : STILL_ACTIVE;
    if (code == 0 && !test_support::WaitUntil([&] { return !FileExists(uninstaller); }, 20000)) {
        ADD_FAILURE() << uninstaller << " is still there after the uninstall";
    }
    return code;
}

// Holds a file open without sharing, as a running program holds its files.
class HeldFile {
public:
    explicit HeldFile(const std::string& path)
        : handle_(::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr))
    {
    }
    ~HeldFile() { Release(); }
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Release()
    {
        if (Held()) {
            ::CloseHandle(handle_);
            handle_ = INVALID_HANDLE_VALUE;
        }
    }

private:
    HANDLE handle_;
};

bool SetEntryVersion(const char* version)
{
    return ::RegSetKeyValueA(HKEY_CURRENT_USER,
                             "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TolvrinShutdown",
                             "DisplayVersion", REG_SZ, version, static_cast<DWORD>(strlen(version) + 1)) ==
           ERROR_SUCCESS;
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
        for (const char* file : {"common.xml", "TolvrinShutdown.lng", "skins\\mine\\mine.ini"}) {
            ::DeleteFileA((InstallFolder() + "\\" + file).c_str());
        }
        for (const char* folder : {"skins\\mine", "skins"}) {
            ::RemoveDirectoryA((InstallFolder() + "\\" + folder).c_str());
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
    EXPECT_TRUE(FileBytes(folder + "\\TolvrinShutdown.exe") == FileBytes(test_support::ProgramPath()))
        << "64-bit Windows did not get the x64 program";

    const package_test::ShortcutTarget shortcut = package_test::ReadShortcut(package_test::ShortcutPath());
    EXPECT_EQ(shortcut.path, folder + "\\TolvrinShutdown.exe");
    EXPECT_EQ(shortcut.arguments, "") << "the shortcut opens the parameters dialog";

    ASSERT_TRUE(UninstallEntryExists());
    EXPECT_EQ(UninstallText("DisplayName"), "Tolvrin Shutdown Manager");
    EXPECT_EQ(UninstallText("DisplayVersion"), TOLVRIN_VERSION);
    EXPECT_EQ(UninstallText("Publisher"), "Tolvrin Shutdown Manager developers");
    EXPECT_EQ(UninstallText("DisplayIcon"), folder + "\\TolvrinShutdown.exe,0");
    EXPECT_EQ(UninstallText("UninstallString"), "\"" + folder + "\\uninstall.exe\" _?=" + folder);
    EXPECT_EQ(UninstallText("QuietUninstallString"), "\"" + folder + "\\uninstall.exe\" /S _?=" + folder);
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

    ASSERT_EQ(RunQuietUninstall(), 0u);
    EXPECT_FALSE(UninstallEntryExists());
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

// Version 1.1 installed its language files in the legacy code pages; the
// language chosen then is still told by comparing them byte for byte, before
// the new files go in, and the upgrade installs that language in UTF-8.
TEST_F(InstallerUnderWine, UpgradeFromVersion11KeepsTheLanguageItsFilesTell)
{
    ASSERT_EQ(RunSetup("/S /LANG=English"), 0u);
    const std::string folder = InstallFolder();
    for (const char* name : {"English", "German", "French", "Spanish", "Italian", "Dutch", "Japanese"}) {
        const std::string old = test_support::LanguagePathOfVersion11(name);
        ASSERT_TRUE(::CopyFileA(old.c_str(), (folder + "\\languages\\" + name + ".lng").c_str(), FALSE)) << old;
    }
    const std::string german = test_support::LanguagePathOfVersion11("German");
    ASSERT_TRUE(::CopyFileA(german.c_str(), (folder + "\\TolvrinShutdown.lng").c_str(), FALSE));

    ASSERT_EQ(RunSetup("/S"), 0u);
    EXPECT_TRUE(InstalledLanguageIs("German")) << "the 1.1 German file was not recognised";
}

TEST_F(InstallerUnderWine, UnknownLanguageInstallsNothingAndEndsWithTwo)
{
    EXPECT_EQ(RunSetup("/S /LANG=Klingon"), 2u);
    EXPECT_FALSE(UninstallEntryExists());
    EXPECT_FALSE(FileExists(InstallFolder() + "\\TolvrinShutdown.exe"));
}

TEST_F(InstallerUnderWine, FolderWithTheUsersFilesIsRefusedAndLeftAsItWas)
{
    test_support::TempFolder mine;
    const std::string readme = mine.Write("README.txt", "my readme");
    const std::string license = mine.Write("LICENSE.txt", "my license");
    const std::string common = mine.Write("common.xml", "<config>mine</config>");
    ASSERT_FALSE(common.empty());

    EXPECT_EQ(RunSetup("/S /D=" + mine.Path()), 3u);
    EXPECT_EQ(FileBytes(readme), "my readme");
    EXPECT_EQ(FileBytes(license), "my license");
    EXPECT_EQ(FileBytes(common), "<config>mine</config>");
    EXPECT_FALSE(FileExists(mine.PathOf("TolvrinShutdown.exe")));
    EXPECT_FALSE(UninstallEntryExists());

    // An empty folder takes the install.
    const std::string empty = mine.PathOf("empty");
    ASSERT_TRUE(::CreateDirectoryA(empty.c_str(), nullptr));
    ASSERT_EQ(RunSetup("/S /D=" + empty), 0u);
    EXPECT_TRUE(FileExists(empty + "\\TolvrinShutdown.exe"));
    EXPECT_EQ(RunQuietUninstall(), 0u);
    EXPECT_TRUE(test_support::WaitUntil([&] { return !FolderExists(empty); }, 20000))
        << "the uninstall left the folder it made";
}

TEST_F(InstallerUnderWine, UpgradeKeepsTheUsersSkinChoiceLanguageAndSkin)
{
    const std::string language = ChosenLanguage();
    ASSERT_EQ(RunSetup("/S /LANG=English"), 0u);
    const std::string folder = InstallFolder();
    const std::string common = folder + "\\common.xml";
    const std::string edited = "<config><activateskin rootpath=\"%ModulePath%\\skins\\mine\" uis=\"mine.ini\"/></config>";
    ASSERT_TRUE(test_support::WriteWholeFile(common, edited));
    ASSERT_TRUE(::CreateDirectoryA((folder + "\\skins\\mine").c_str(), nullptr));
    ASSERT_TRUE(test_support::WriteWholeFile(folder + "\\skins\\mine\\mine.ini", "[Skin]\r\nText=#000000\r\n"));
    // The language chosen the README's way: a shipped file copied over.
    ASSERT_TRUE(::CopyFileA((folder + "\\languages\\" + language + ".lng").c_str(),
                            (folder + "\\TolvrinShutdown.lng").c_str(), FALSE));

    ASSERT_EQ(RunSetup("/S"), 0u);
    EXPECT_EQ(FileBytes(common), edited) << "the upgrade replaced the user's common.xml";
    EXPECT_EQ(FileBytes(folder + "\\skins\\mine\\mine.ini"), "[Skin]\r\nText=#000000\r\n");
    EXPECT_TRUE(InstalledLanguageIs(language)) << "the upgrade did not keep " << language;

    // Remembered: a later upgrade without the file still installs it.
    ASSERT_TRUE(::DeleteFileA((folder + "\\TolvrinShutdown.lng").c_str()));
    ASSERT_EQ(RunSetup("/S"), 0u);
    EXPECT_TRUE(InstalledLanguageIs(language)) << language << " was not remembered";

    // An edited language file stays, whatever /LANG= says.
    const std::string ownTexts = FileBytes(BuiltLanguageFile(language)) + "\r\n; my own words\r\n";
    ASSERT_TRUE(test_support::WriteWholeFile(folder + "\\TolvrinShutdown.lng", ownTexts));
    ASSERT_EQ(RunSetup("/S /LANG=English"), 0u);
    EXPECT_TRUE(FileBytes(folder + "\\TolvrinShutdown.lng") == ownTexts) << "the edited language file was replaced";

    // The uninstall leaves what the user changed, and so the folder.
    ASSERT_EQ(RunQuietUninstall(), 0u);
    EXPECT_EQ(FileBytes(common), edited);
    EXPECT_TRUE(FileBytes(folder + "\\TolvrinShutdown.lng") == ownTexts);
    EXPECT_TRUE(FileExists(folder + "\\skins\\mine\\mine.ini"));
    EXPECT_FALSE(FileExists(folder + "\\TolvrinShutdown.exe"));
}

TEST_F(InstallerUnderWine, OlderInstallerOverANewerInstallChangesNothingAndEndsWithFive)
{
    ASSERT_EQ(RunSetup("/S"), 0u);
    const std::string program = InstallFolder() + "\\TolvrinShutdown.exe";
    ASSERT_TRUE(test_support::WriteWholeFile(program, "the newer program"));
    ASSERT_TRUE(SetEntryVersion("99.0"));

    EXPECT_EQ(RunSetup("/S"), 5u);
    EXPECT_EQ(FileBytes(program), "the newer program");
    EXPECT_EQ(UninstallText("DisplayVersion"), "99.0");
}

TEST_F(InstallerUnderWine, FileThatCannotBeWrittenEndsWithSix)
{
    ASSERT_EQ(RunSetup("/S"), 0u);
    HeldFile held(InstallFolder() + "\\README.txt");
    ASSERT_TRUE(held.Held());
    EXPECT_EQ(RunSetup("/S"), 6u);
}

TEST_F(InstallerUnderWine, FileThatCannotBeRemovedKeepsTheEntryAndEndsWithSix)
{
    ASSERT_EQ(RunSetup("/S"), 0u);
    const std::string folder = InstallFolder();
    HeldFile held(folder + "\\README.txt");
    ASSERT_TRUE(held.Held());

    EXPECT_EQ(RunQuietUninstall(), 6u);
    EXPECT_TRUE(UninstallEntryExists()) << "the entry went while a file of ours stayed";
    EXPECT_TRUE(FileExists(folder + "\\uninstall.exe"));

    held.Release();
    EXPECT_EQ(RunQuietUninstall(), 0u);
    EXPECT_FALSE(UninstallEntryExists());
    EXPECT_FALSE(FileExists(folder + "\\README.txt"));
}

TEST_F(InstallerUnderWine, RunningCountdownGoesOnAndNothingChangesWithFour)
{
    SKIP_UNLESS_UNDER_WINE();
    ASSERT_EQ(RunSetup("/S"), 0u);
    const std::string program = InstallFolder() + "\\TolvrinShutdown.exe";
    const std::string programBytes = FileBytes(program);

    ProgramProcess countdown(program, "0,120,");
    ASSERT_TRUE(countdown.Started());
    HWND window = test_support::WaitForCountdownWindow(countdown.Id());
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(RunSetup("/S"), 4u);
    EXPECT_EQ(RunQuietUninstall(), 4u);
    EXPECT_TRUE(countdown.IsRunning());
    EXPECT_TRUE(UninstallEntryExists());
    EXPECT_TRUE(FileBytes(program) == programBytes);

    EXPECT_EQ(test_support::ExitCodeAfterCommand(countdown, window, IDCANCEL, 10000), 2u);
}

// A copy with higher rights: its mutex exists, but opening it is denied.
TEST_F(InstallerUnderWine, MutexThatCannotBeOpenedCountsAsARunningCountdown)
{
    PSECURITY_DESCRIPTOR denyAll = nullptr;
    ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P", SDDL_REVISION_1, &denyAll, nullptr));
    SECURITY_ATTRIBUTES attributes{sizeof attributes, denyAll, FALSE};
    HANDLE mutex = ::CreateMutexA(&attributes, FALSE, kSingleInstanceMutexName);
    ::LocalFree(denyAll);
    ASSERT_NE(mutex, nullptr);
    HANDLE opened = ::OpenMutexA(SYNCHRONIZE, FALSE, kSingleInstanceMutexName);
    const DWORD error = ::GetLastError();
    if (opened) {
        ::CloseHandle(opened);
        ::CloseHandle(mutex);
        GTEST_SKIP() << "this system grants access that the mutex's security descriptor denies";
    }
    ASSERT_EQ(error, static_cast<DWORD>(ERROR_ACCESS_DENIED));

    EXPECT_EQ(RunSetup("/S"), 4u);
    EXPECT_FALSE(UninstallEntryExists());
    ::CloseHandle(mutex);
}

}  // namespace
