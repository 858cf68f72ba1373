// The program in a folder whose name the ANSI code page cannot hold, on a
// Western system: Wine's ANSI code page is 1252 here (ctest starts this
// executable with LC_ALL=en_US.UTF-8), and the folder is named in Cyrillic and
// Greek, which GetModuleFileNameA gives back as "?". The program still finds
// its language file beside it, and a password that 1252 cannot hold never
// makes a run.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "lang/language_table.h"
#include "resource.h"
#include "support/program_process.h"
#include "support/program_windows.h"
#include "support/temp_folder.h"
#include "support/window_finder.h"
#include "text/wide_text.h"

namespace {

constexpr unsigned int kWestern = 1252;
// "Тест Ελλάδα".
constexpr wchar_t kFolderName[] = L"\x0422\x0435\x0441\x0442 \x0395\x03BB\x03BB\x03AC\x03B4\x03B1";
constexpr DWORD kExitTimeoutMs = 20000;

class UnicodeFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(::GetACP(), kWestern)
            << "these tests need Wine's Western locale: run them through ctest (LC_ALL=en_US.UTF-8) after "
               "scripts/test has generated it (localedef -i en_US -f UTF-8 en_US.UTF-8)";
        ASSERT_FALSE(temp_.Path().empty());
        folder_ = ToWide(temp_.Path()) + L"\\" + kFolderName;
        ASSERT_TRUE(::CreateDirectoryW(folder_.c_str(), nullptr));
        const std::wstring built = ToWide(test_support::TestBinaryFolder());
        for (const wchar_t* name : {L"\\TolvrinShutdown.exe", L"\\TolvrinShutdown.lng"}) {
            ASSERT_TRUE(::CopyFileW((built + name).c_str(), (folder_ + name).c_str(), FALSE));
        }
        english_.SetFile(test_support::TestBinaryFolder() + "\\TolvrinShutdown.lng");
    }

    // The folder's name is one TempFolder cannot spell: removed here.
    void TearDown() override
    {
        for (const wchar_t* name : {L"\\TolvrinShutdown.exe", L"\\TolvrinShutdown.lng"}) {
            ::DeleteFileW((folder_ + name).c_str());
        }
        ::RemoveDirectoryW(folder_.c_str());
        // Wine needs a moment before the next copy takes the mutex and the
        // display again.
        ::Sleep(300);
    }

    std::wstring ExePath() const { return folder_ + L"\\TolvrinShutdown.exe"; }

    // The text the program shows for `key`; never the key itself.
    std::string Shown(const char* key) const
    {
        const std::string text = english_.Lookup(key, true);
        EXPECT_NE(text, key) << "the built language file lacks " << key;
        return text;
    }

    // A run of the program started as `exePath`: its countdown window shows
    // the texts of the language file beside the program; cancelled, it ends
    // with 2.
    void ExpectCountdownInTheLanguageFilesTexts(const std::wstring& exePath)
    {
        test_support::ProgramProcess program(exePath, L"0,3600,");
        ASSERT_TRUE(program.Started());
        const HWND window = test_support::WaitForCountdownWindow(program.Id());
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(test_support::ControlText(::GetDlgItem(window, IDCANCEL)), Shown("_Cancel"));
        EXPECT_EQ(test_support::ControlText(::GetDlgItem(window, IDC_HIDE)), Shown("_Hide"));
        EXPECT_EQ(test_support::ExitCodeAfterCommand(program, window, IDCANCEL, kExitTimeoutMs), 2u);
    }

    test_support::TempFolder temp_;
    std::wstring folder_;
    LanguageTable english_;
};

TEST_F(UnicodeFolderTest, AnsiPathOfTheFolderIsLost)
{
    // What the program would see with the 8-bit calls: the test's premise.
    std::string ansi;
    EXPECT_FALSE(ToCodePageExactly(folder_, ansi));
}

TEST_F(UnicodeFolderTest, CountdownWindowShowsTheTextsOfTheLanguageFileBesideIt)
{
    ExpectCountdownInTheLanguageFilesTexts(ExePath());
}

TEST_F(UnicodeFolderTest, ParametersDialogShowsTheTextsOfTheLanguageFileBesideIt)
{
    test_support::ProgramProcess program(ExePath(), L"");
    ASSERT_TRUE(program.Started());
    const HWND dialog = test_support::WaitForParametersDialog(program.Id());
    ASSERT_NE(dialog, nullptr);

    EXPECT_EQ(test_support::ControlText(dialog), Shown("_EnterParams"));
    EXPECT_EQ(test_support::ControlText(::GetDlgItem(dialog, IDC_ACTION_LABEL)), Shown("_Selectanaction"));

    EXPECT_EQ(test_support::ExitCodeAfterCommand(program, dialog, IDCANCEL, kExitTimeoutMs), 0u);
}

TEST_F(UnicodeFolderTest, StartedThroughItsShortNameItStillFindsTheLanguageFile)
{
    wchar_t shortPath[MAX_PATH] = {};
    const DWORD length = ::GetShortPathNameW(ExePath().c_str(), shortPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH || ExePath() == shortPath) {
        GTEST_SKIP() << "the file system gives no short names";
    }
    ExpectCountdownInTheLanguageFilesTexts(shortPath);
}

// Where the legacy code page holds (Windows before version 1903 of Windows
// 10, here the build without the manifest's UTF-8): the program as shipped
// takes any script (every_script_test.cpp).
TEST_F(UnicodeFolderTest, PasswordThatTheLegacyCodePageCannotHoldIsNoRun)
{
    const std::wstring legacy = ToWide(test_support::TestBinaryFolder()) + L"\\TolvrinShutdownLegacyCodePage.exe";
    ASSERT_TRUE(::CopyFileW(legacy.c_str(), ExePath().c_str(), FALSE));
    // "Łódź": as "?\xF3d?" it would be cancelled by typing question marks.
    test_support::ProgramProcess program(ExePath(), L"0,3600,\x0141\x00F3\x0064\x017A");
    ASSERT_TRUE(program.Started());
    const HWND dialog = test_support::WaitForParametersDialog(program.Id());
    ASSERT_NE(dialog, nullptr) << "the line was taken for a run";
    EXPECT_EQ(test_support::WaitForDialogWithControl(program.Id(), IDC_INFO, 0), nullptr);

    EXPECT_EQ(test_support::ExitCodeAfterCommand(program, dialog, IDCANCEL, kExitTimeoutMs), 0u);
}

}  // namespace
