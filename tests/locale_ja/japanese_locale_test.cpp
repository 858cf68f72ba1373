// The Japanese language file on a Japanese system: Wine's ANSI code page is
// 932 here (ctest starts this executable with LC_ALL=ja_JP.UTF-8), so every
// text takes the program's double-byte paths on real data: the file of
// version 1.1, in Shift-JIS, in the test process, and both it and the shipped
// one, in UTF-8, through the real program as shipped (its code page UTF-8)
// and as Windows before version 1903 of Windows 10 runs it (the legacy code
// page, 932). The program itself runs from a folder named 予定表, whose first
// and last characters end in the byte 0x5C, the backslash: its language file
// is found only if the path is cut at the real backslash.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "countdown/countdown_window.h"
#include "countdown/information_text.h"
#include "countdown/tray_icon.h"
#include "lang/language_table.h"
#include "resource.h"
#include "support/power_recorder.h"
#include "support/program_process.h"
#include "support/program_windows.h"
#include "support/shipped_languages.h"
#include "support/shown_texts.h"
#include "support/temp_folder.h"
#include "support/window_finder.h"
#include "text/wide_text.h"

namespace {

using test_support::ShownText;

constexpr unsigned int kJapanese = 932;
// 予定表 ("schedule") in code page 932: 97 5C, 92 E8, 95 5C.
constexpr char kFolderWithTrailBackslashes[] = "\x97\x5C\x92\xE8\x95\x5C";

std::wstring FromJapanese(const std::string& bytes)
{
    std::wstring wide;
    ToWideExactly(bytes, wide, kJapanese);
    return wide;
}

std::wstring Replaced(std::wstring text, const std::wstring& from, const std::wstring& to)
{
    const std::size_t at = text.find(from);
    return at == std::wstring::npos ? text : text.replace(at, from.size(), to);
}

class JapaneseLocaleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(::GetACP(), kJapanese)
            << "these tests need Wine's Japanese locale: run them through ctest (LC_ALL=ja_JP.UTF-8) after "
               "scripts/test has generated it (localedef -i ja_JP -f UTF-8 ja_JP.UTF-8)";
        file_ = test_support::LanguagePathOfVersion11("Japanese");
        entries_ = test_support::ReadLanguageEntries(file_);
        ASSERT_FALSE(entries_.empty()) << file_;
    }

    std::wstring Shown(const std::string& key) const { return ShownText(entries_.at(key), kJapanese); }

    // A copy of `build`, with `languageFile` as its language file, in a
    // folder whose name holds trail bytes 0x5C.
    std::string InstallProgram(const std::string& build, const std::string& languageFile) const
    {
        const std::string dir = folder_.PathOf(kFolderWithTrailBackslashes);
        ::CreateDirectoryA(dir.c_str(), nullptr);
        const std::string program = dir + "\\TolvrinShutdown.exe";
        EXPECT_TRUE(::CopyFileA(build.c_str(), program.c_str(), FALSE));
        EXPECT_TRUE(::CopyFileA(languageFile.c_str(), (dir + "\\TolvrinShutdown.lng").c_str(), FALSE));
        return program;
    }

    // Every build of the program with every Japanese file: the same texts.
    struct Install {
        std::string build;
        std::string languageFile;
    };
    std::vector<Install> Installs() const
    {
        const std::string legacy = test_support::TestBinaryFolder() + "\\TolvrinShutdownLegacyCodePage.exe";
        const std::string shipped = test_support::TestBinaryFolder() + "\\languages\\Japanese.lng";
        return {{test_support::ProgramPath(), file_},
                {test_support::ProgramPath(), shipped},
                {legacy, file_},
                {legacy, shipped}};
    }

    std::string file_;
    std::map<std::string, std::string> entries_;
    test_support::TempFolder folder_;
};

TEST_F(JapaneseLocaleTest, ProgramReadsEveryTextAsTheFileHoldsIt)
{
    LanguageTable table;
    table.SetFile(file_);
    for (const std::string& key : test_support::ProgramLanguageKeys()) {
        EXPECT_EQ(table.Lookup(key, false), entries_.at(key)) << key;
        EXPECT_EQ(FromJapanese(table.Lookup(key, true)), Shown(key)) << key;
    }
}

TEST_F(JapaneseLocaleTest, InformationTextOfTheCountdownWindowIsJapanese)
{
    LanguageTable& language = TheLanguageTable();
    const std::wstring previous = language.FilePath();
    language.SetFile(file_);
    RunParameters run;
    run.action = ShutdownAction::Standby;
    run.delaySeconds = 3725;
    {
        CountdownWindow window(run, test_support::RecordingPowerPlatform());
        ASSERT_TRUE(window.Create());
        // The tip is the product name of the version resource, in every language.
        EXPECT_STREQ(window.Tray().Data().szTip, "Tolvrin Shutdown Manager");

        // Shown, so that the display tick rebuilds the text.
        window.SlideIn();
        ::SendMessageA(window.Handle(), WM_TIMER, CountdownWindow::TIMER_DISPLAY, 0);
        const std::wstring shown = FromJapanese(window.InfoLabel().Text());
        const std::wstring format = Replaced(Shown("_InformationFormate"), L"%s", Shown("_Standby"));
        EXPECT_TRUE(shown == Replaced(format, L"%d:%02d:%02d", L"1:02:05") ||
                    shown == Replaced(format, L"%d:%02d:%02d", L"1:02:04"))
            << "the information text is not the Japanese format filled";
    }
    language.SetFile(previous);
}

TEST_F(JapaneseLocaleTest, TrayTipIsCutAt127BytesBetweenCharacters)
{
    // The longest text, once as it is and once shifted by one byte, so that
    // one of the two puts a lead byte at the 127th byte.
    const std::string text = entries_.at("_LegalNotice");
    ASSERT_GT(text.size(), 200u);
    bool cutBeforeALeadByte = false;
    for (const std::string& tip : {text, "x" + text}) {
        const std::string fitted = FitTrayTip(tip);
        EXPECT_LE(fitted.size(), 127u);
        EXPECT_GE(fitted.size(), 126u);
        const std::wstring wide = FromJapanese(fitted);
        EXPECT_FALSE(wide.empty()) << "the cut split a character";
        EXPECT_EQ(FromJapanese(tip).compare(0, wide.size(), wide), 0);
        cutBeforeALeadByte = cutBeforeALeadByte || fitted.size() == 126u;
    }
    EXPECT_TRUE(cutBeforeALeadByte);
}

TEST_F(JapaneseLocaleTest, CountdownWindowOfTheRealProgramShowsTheJapaneseTexts)
{
    for (const Install& install : Installs()) {
        SCOPED_TRACE(install.build + " with " + install.languageFile);
        test_support::ProgramProcess program(InstallProgram(install.build, install.languageFile), "0,3600,");
        ASSERT_TRUE(program.Started());
        const HWND window = test_support::WaitForCountdownWindow(program.Id());
        ASSERT_NE(window, nullptr);

        EXPECT_EQ(test_support::ControlTextW(::GetDlgItem(window, IDCANCEL)), Shown("_Cancel"));
        EXPECT_EQ(test_support::ControlTextW(::GetDlgItem(window, IDC_HIDE)), Shown("_Hide"));
        EXPECT_EQ(test_support::ControlTextW(::GetDlgItem(window, IDC_INFO)), Shown("_Info"));
        // Shown by a click on the icon, the window refreshes its text.
        ::PostMessageW(window, WM_TRAYNOTIFY, kTrayIconId, WM_LBUTTONDOWN);
        ASSERT_TRUE(test_support::WaitUntil([&] { return ::IsWindowVisible(window) != FALSE; }, 5000));
        const HWND info = ::GetDlgItem(window, IDC_INFO);
        ASSERT_TRUE(test_support::WaitUntil([&] { return test_support::ControlTextW(info) != Shown("_Info"); }, 5000));
        EXPECT_NE(test_support::ControlTextW(info).find(Shown("_Standby")), std::wstring::npos);

        EXPECT_EQ(test_support::ExitCodeAfterCommand(program, window, IDCANCEL, 10000), 2u);
    }
}

TEST_F(JapaneseLocaleTest, ParametersDialogOfTheRealProgramShowsTheJapaneseTexts)
{
    for (const Install& install : Installs()) {
        SCOPED_TRACE(install.build + " with " + install.languageFile);
        test_support::ProgramProcess program(InstallProgram(install.build, install.languageFile), "");
        ASSERT_TRUE(program.Started());
        const HWND dialog = test_support::WaitForDialogWithControl(program.Id(), IDC_ACTION);
        ASSERT_NE(dialog, nullptr);

        test_support::ExpectParametersDialogShows(dialog, [this](const char* key) { return Shown(key); });

        EXPECT_EQ(test_support::ExitCodeAfterCommand(program, dialog, IDCANCEL, 10000), 0u);
    }
}

}  // namespace
