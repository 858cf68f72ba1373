// The installer's language page, shown when it runs without /S: it proposes
// the system's UI language when that language ships, else English. ctest runs
// this in the test locale and again with LC_ALL=ja_JP.UTF-8, where Wine's UI
// language is Japanese and the ANSI code page 932.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "package/installation.h"
#include "support/program_process.h"
#include "support/window_finder.h"

namespace {

// The page's own name of the language it should propose (the names NSIS's
// language files give).
std::wstring ExpectedProposal()
{
    switch (PRIMARYLANGID(::GetUserDefaultUILanguage())) {
    case LANG_GERMAN: return L"Deutsch";
    case LANG_FRENCH: return L"Fran\u00E7ais";
    case LANG_SPANISH: return L"Espa\u00F1ol";
    case LANG_ITALIAN: return L"Italiano";
    case LANG_DUTCH: return L"Nederlands";
    case LANG_JAPANESE: return L"\u65E5\u672C\u8A9E";
    default: return L"English";
    }
}

HWND LanguageList(HWND page)
{
    return ::FindWindowExA(page, nullptr, "ComboBox", nullptr);
}

// Another process's combo-box items come whole only through the W message.
std::wstring SelectedItem(HWND list)
{
    const LRESULT index = ::SendMessageW(list, CB_GETCURSEL, 0, 0);
    const LRESULT length = ::SendMessageW(list, CB_GETLBTEXTLEN, index, 0);
    if (index == CB_ERR || length == CB_ERR) {
        return L"(none)";
    }
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(
        ::SendMessageW(list, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

TEST(InstallerLanguagePage, ProposesTheSystemLanguageWhenShippedElseEnglish)
{
    ASSERT_TRUE(package_test::FileExists(package_test::SetupPath())) << "run scripts/package";
    ASSERT_FALSE(package_test::UninstallEntryExists()) << "an earlier install would set the proposal";

    test_support::ProgramProcess setup(package_test::SetupPath(), "");
    ASSERT_TRUE(setup.Started());
    HWND page = test_support::WaitForWindow(
        setup.Id(),
        [](HWND window) {
            return test_support::ClassName(window) == test_support::kDialogClass && LanguageList(window) != nullptr;
        },
        30000);
    ASSERT_NE(page, nullptr) << "no language page";

    EXPECT_TRUE(SelectedItem(LanguageList(page)) == ExpectedProposal())
        << "the page does not propose the system's language (UI language "
        << ::GetUserDefaultUILanguage() << ")";

    // Cancelling the page ends the installer before anything is installed.
    test_support::PostCommand(page, IDCANCEL);
    EXPECT_NE(setup.WaitForExit(30000), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_FALSE(package_test::UninstallEntryExists());
}

}  // namespace
