// Language files in scripts that the Western code page cannot hold, on a
// Western system (ctest starts this executable with LC_ALL=en_US.UTF-8, which
// gives Wine the ANSI code page 1252): the real program, whose manifest
// selects UTF-8 as its code page, shows every text exactly as the file holds
// it, read back from outside in UTF-16; a password in Cyrillic and Japanese
// cancels the run. The build without that code page (as on Windows before
// version 1903 of Windows 10) still shows a Western file, old or new.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "resource.h"
#include "support/program_copy.h"
#include "support/program_process.h"
#include "support/program_windows.h"
#include "support/shipped_languages.h"
#include "support/shown_texts.h"
#include "support/window_finder.h"
#include "support/wine_only.h"
#include "text/wide_text.h"

namespace {

using test_support::ControlTextW;
using test_support::ProgramCopy;
using test_support::ProgramProcess;

constexpr UINT kTrayCallback = 0x0790;
constexpr DWORD kExitTimeoutMs = 20000;
// "пароль日本": Cyrillic and Japanese, which no legacy code page holds both of.
constexpr wchar_t kPassword[] = L"\x043F\x0430\x0440\x043E\x043B\x044C\x65E5\x672C";

std::string LanguagePath(const std::string& name)
{
    return test_support::TestBinaryFolder() + "\\languages\\" + name + ".lng";
}

// The texts of a language file as a user must see them: its own entries,
// with their escapes expanded, in UTF-16.
class FileTexts {
public:
    FileTexts(const std::string& path, unsigned int codePage)
        : entries_(test_support::ReadLanguageEntries(path)), codePage_(codePage)
    {
    }

    bool Empty() const { return entries_.empty(); }
    std::wstring operator()(const std::string& key) const
    {
        const auto found = entries_.find(key);
        return found == entries_.end() ? L"(missing " + ToWide(key) + L")"
                                       : test_support::ShownText(found->second, codePage_);
    }

private:
    std::map<std::string, std::string> entries_;
    unsigned int codePage_;
};

std::vector<std::wstring> ChildTexts(HWND dialog)
{
    std::vector<std::wstring> texts;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        texts.push_back(ControlTextW(child));
    }
    return texts;
}

bool Holds(const std::vector<std::wstring>& texts, const std::wstring& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// The countdown window's buttons and its information text once the countdown
// has filled it.
void ExpectCountdownWindowTexts(HWND window, const FileTexts& texts)
{
    EXPECT_EQ(ControlTextW(::GetDlgItem(window, IDCANCEL)), texts("_Cancel"));
    EXPECT_EQ(ControlTextW(::GetDlgItem(window, IDC_HIDE)), texts("_Hide"));
    // Shown by a click on the icon: the text is refreshed while it shows.
    ::PostMessageW(window, kTrayCallback, 128, WM_LBUTTONDOWN);
    ASSERT_TRUE(test_support::WaitUntil([&] { return ::IsWindowVisible(window) != FALSE; }, 5000));
    const HWND info = ::GetDlgItem(window, IDC_INFO);
    ASSERT_TRUE(test_support::WaitUntil([&] { return ControlTextW(info) != texts("_Info"); }, 5000));
    EXPECT_NE(ControlTextW(info).find(texts("_Standby")), std::wstring::npos) << "the action's name in the text";
    // The caption: the product name and its version, whatever the language.
    const std::wstring caption = ControlTextW(window);
    EXPECT_EQ(caption.rfind(L"Tolvrin Shutdown Manager ", 0), 0u) << ToCodePage(caption, CP_UTF8);
    EXPECT_GT(caption.size(), std::wstring(L"Tolvrin Shutdown Manager ").size()) << "the version";
}

void ExpectTrayMenuTexts(const ProgramProcess& program, HWND window, const FileTexts& texts)
{
    ::PostMessageW(window, kTrayCallback, 128, WM_RBUTTONDOWN);
    const HWND menu = test_support::WaitForWindow(program.Id(), [](HWND w) {
        return test_support::ClassName(w) == "#32768" && ::IsWindowVisible(w);
    });
    ASSERT_NE(menu, nullptr);
    const std::vector<std::wstring> entries = test_support::MenuTextsW(menu);
    ::PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(test_support::WaitUntilGone(menu));
    // Wine keeps a menu's items inside the process that made it: read from
    // another process it has none. The same texts go the same way into the
    // window's own controls, which are read above; Windows shows them here.
    if (entries.empty() && test_support::IsRunningUnderWine()) {
        return;
    }
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], texts("_TrayDispInfo"));
    EXPECT_EQ(entries[1], texts("_TrayCancel"));
}

void ExpectPromptTexts(HWND prompt, const FileTexts& texts)
{
    EXPECT_EQ(ControlTextW(prompt), texts("_EnterPsw"));
    EXPECT_EQ(ControlTextW(::GetDlgItem(prompt, IDOK)), texts("OK"));
    EXPECT_EQ(ControlTextW(::GetDlgItem(prompt, IDCANCEL)), texts("Cancel"));
    EXPECT_TRUE(Holds(ChildTexts(prompt), texts("_EnterPswInfo")));
}

// A wrong password is refused with a message, and the run goes on; the right
// one, typed in UTF-16 as a user would, cancels it (exit code 2).
void ExpectPasswordCancels(ProgramProcess& program, HWND window)
{
    test_support::PostCommand(window, IDCANCEL);
    HWND prompt = test_support::WaitForPasswordPrompt(program.Id());
    ASSERT_NE(prompt, nullptr);
    // The same letters but the last: a wrong password.
    std::wstring wrong = kPassword;
    wrong.back() = L'\x65E5';
    test_support::SetControlTextW(::GetDlgItem(prompt, IDC_PASSWORD), wrong);
    test_support::PostCommand(prompt, IDOK);
    const HWND message = test_support::WaitForMessageBox(program.Id());
    ASSERT_NE(message, nullptr) << "a wrong password was not refused";
    test_support::PostCommand(message, IDOK);
    ASSERT_TRUE(test_support::WaitUntilGone(message));
    EXPECT_TRUE(program.IsRunning());

    test_support::SetControlTextW(::GetDlgItem(prompt, IDC_PASSWORD), kPassword);
    test_support::PostCommand(prompt, IDOK);
    EXPECT_EQ(program.WaitForExit(kExitTimeoutMs), 2u);
}

class EveryScriptTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        ASSERT_EQ(::GetACP(), 1252u) << "these tests need Wine's Western locale: run them through ctest "
                                        "(LC_ALL=en_US.UTF-8)";
        ASSERT_TRUE(copy_.IsComplete());
        ASSERT_TRUE(copy_.UseLanguageFile(LanguagePath(GetParam())));
        ASSERT_FALSE(texts_.Empty());
    }
    void TearDown() override { ::Sleep(300); }

    ProgramCopy copy_{ProgramCopy::Engine::Absent, ""};
    FileTexts texts_{LanguagePath(GetParam()), CP_UTF8};
};

TEST_P(EveryScriptTest, CountdownWindowTrayMenuAndPromptShowTheFilesTexts)
{
    ProgramProcess program(ToWide(copy_.ExePath()), std::wstring(L"0,3600,") + kPassword);
    ASSERT_TRUE(program.Started());
    const HWND window = test_support::WaitForCountdownWindow(program.Id());
    ASSERT_NE(window, nullptr);
    ExpectTrayMenuTexts(program, window, texts_);
    ExpectCountdownWindowTexts(window, texts_);

    test_support::PostCommand(window, IDCANCEL);
    const HWND prompt = test_support::WaitForPasswordPrompt(program.Id());
    ASSERT_NE(prompt, nullptr);
    ExpectPromptTexts(prompt, texts_);
    test_support::PostCommand(prompt, IDCANCEL);
    ASSERT_TRUE(test_support::WaitUntilGone(prompt));
    ExpectPasswordCancels(program, window);
}

TEST_P(EveryScriptTest, ParametersDialogShowsTheFilesTexts)
{
    ProgramProcess program(copy_.ExePath(), "");
    ASSERT_TRUE(program.Started());
    const HWND dialog = test_support::WaitForParametersDialog(program.Id());
    ASSERT_NE(dialog, nullptr);
    test_support::ExpectParametersDialogShows(dialog, [&](const char* key) { return texts_(key); });
    EXPECT_EQ(test_support::ExitCodeAfterCommand(program, dialog, IDCANCEL, kExitTimeoutMs), 0u);
}

TEST_P(EveryScriptTest, ShortRunEndsWithOne)
{
    ProgramProcess program(copy_.ExePath(), "0,3,");
    ASSERT_TRUE(program.Started());
    EXPECT_EQ(program.WaitForExit(kExitTimeoutMs), 1u);
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryScriptTest,
                         ::testing::Values("Russian", "Greek", "Japanese", "ChineseSimplified", "Korean"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

// A password typed in the parameters dialog, in Cyrillic and Japanese:
// typed again at the prompt it cancels the run, a wrong one is refused.
TEST(EveryScriptPassword, PasswordFromTheParametersDialogCancelsTheRun)
{
    ProgramCopy copy(ProgramCopy::Engine::Absent, "");
    ASSERT_TRUE(copy.IsComplete());
    ProgramProcess program(copy.ExePath(), "");
    const HWND dialog = test_support::WaitForParametersDialog(program.Id());
    ASSERT_NE(dialog, nullptr);
    // Standby, the one action Wine leaves the session alone for, in the
    // dialog's hour: cancelled long before.
    ::SendMessageW(::GetDlgItem(dialog, IDC_ACTION), CB_SETCURSEL, 0, 0);
    ::SendMessageW(::GetDlgItem(dialog, IDC_USE_PASSWORD), BM_CLICK, 0, 0);
    test_support::SetControlTextW(::GetDlgItem(dialog, IDC_PASSWORD), kPassword);
    test_support::SetControlTextW(::GetDlgItem(dialog, IDC_PASSWORD_REPEAT), kPassword);
    test_support::PostClick(dialog, IDOK);
    ASSERT_TRUE(test_support::WaitUntilGone(dialog)) << "the dialog refused the password";

    const HWND window = test_support::WaitForCountdownWindow(program.Id());
    ASSERT_NE(window, nullptr);
    ExpectPasswordCancels(program, window);
}

// Windows before version 1903 of Windows 10 ignore the manifest's code page:
// the legacy one holds, and a Western file, of version 1.1 in Windows-1252 or
// as shipped now in UTF-8, shows as it always has.
class LegacyCodePageTest : public ::testing::TestWithParam<std::string> {};

TEST_P(LegacyCodePageTest, WesternFileShows)
{
    ProgramCopy copy(ProgramCopy::Engine::Absent, "", ProgramCopy::CodePage::Legacy);
    ASSERT_TRUE(copy.IsComplete());
    ASSERT_TRUE(copy.UseLanguageFile(GetParam()));
    const bool utf8 = test_support::ReadFileBytes(GetParam()).rfind("\xEF\xBB\xBF", 0) == 0;
    const FileTexts texts(GetParam(), utf8 ? CP_UTF8 : 1252);
    ASSERT_FALSE(texts.Empty());

    ProgramProcess program(copy.ExePath(), "0,3600,");
    const HWND window = test_support::WaitForCountdownWindow(program.Id());
    ASSERT_NE(window, nullptr);
    ExpectTrayMenuTexts(program, window, texts);
    ExpectCountdownWindowTexts(window, texts);
    EXPECT_EQ(test_support::ExitCodeAfterCommand(program, window, IDCANCEL, kExitTimeoutMs), 2u);
}

INSTANTIATE_TEST_SUITE_P(Files, LegacyCodePageTest,
                         ::testing::Values(test_support::LanguagePathOfVersion11("German"), LanguagePath("German"),
                                           LanguagePath("French")),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return std::string(info.index == 0 ? "German11" : info.index == 1 ? "German" : "French");
                         });

// The 1.1 German file in Windows-1252 on a Western system, read by the
// program as shipped: its legacy code page is taken from the system, not
// from the program's UTF-8.
TEST(Version11Files, GermanInWindows1252ShowsUnderUtf8)
{
    ProgramCopy copy(ProgramCopy::Engine::Absent, "");
    ASSERT_TRUE(copy.IsComplete());
    const std::string path = test_support::LanguagePathOfVersion11("German");
    ASSERT_TRUE(copy.UseLanguageFile(path));
    const FileTexts texts(path, 1252);
    ProgramProcess program(copy.ExePath(), "0,3600,");
    const HWND window = test_support::WaitForCountdownWindow(program.Id());
    ASSERT_NE(window, nullptr);
    ExpectCountdownWindowTexts(window, texts);
    EXPECT_EQ(test_support::ExitCodeAfterCommand(program, window, IDCANCEL, kExitTimeoutMs), 2u);
}

}  // namespace
