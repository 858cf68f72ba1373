// The installer's language page, shown when it runs without /S: it proposes
// the language of Windows' display language when that language ships, else
// English. ctest runs this in the test locale and again in locales of other
// display languages (tests/package/CMakeLists.txt): Wine takes the display
// language from LC_ALL.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "package/installation.h"
#include "support/program_process.h"
#include "support/shipped_languages.h"
#include "support/window_finder.h"

namespace {

// Display language -> the page's own name of the language it proposes (the
// names NSIS's language files give). The primary language decides; Chinese
// goes by its script and Portuguese by its country.
struct Proposal {
    LANGID displayLanguage;
    const wchar_t* page;
};
constexpr Proposal kProposals[] = {
    {0x0409, L"English"},                     // United States
    {0x0809, L"English"},                     // United Kingdom
    {0x0407, L"Deutsch"},                     // Germany
    {0x0C07, L"Deutsch"},                     // Austria: another country, the same file
    {0x040C, L"Fran\u00E7ais"},
    {0x0C0A, L"Espa\u00F1ol"},                // Spain, modern sort
    {0x0410, L"Italiano"},
    {0x0413, L"Nederlands"},
    {0x0411, L"\u65E5\u672C\u8A9E"},
    {0x0416, L"Portugu\u00EAs Brasileiro"},    // Brazil
    {0x0816, L"English"},                     // Portugal: no file of its own
    {0x0415, L"Polski"},
    {0x0405, L"\u010Ce\u0161tina"},
    {0x0419, L"\u0420\u0443\u0441\u0441\u043A\u0438\u0439"},
    {0x0422, L"\u0423\u043A\u0440\u0430\u0457\u043D\u0441\u044C\u043A\u0430"},
    {0x0408, L"\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC"},
    {0x041F, L"T\u00FCrk\u00E7e"},
    {0x041D, L"Svenska"},
    {0x081D, L"Svenska"},                     // Finland's Swedish
    {0x040E, L"Magyar"},
    {0x0406, L"Dansk"},
    {0x0804, L"\u4E2D\u6587(\u7B80\u4F53)"},  // China
    {0x1004, L"\u4E2D\u6587(\u7B80\u4F53)"},  // Singapore
    {0x0404, L"\u4E2D\u6587(\u7E41\u9AD4)"},  // Taiwan
    {0x0C04, L"\u4E2D\u6587(\u7E41\u9AD4)"},  // Hong Kong
    {0x1404, L"\u4E2D\u6587(\u7E41\u9AD4)"},  // Macao
    {0x0412, L"\uD55C\uAD6D\uC5B4"},
    {0x040B, L"English"},                     // Finnish: not shipped
};

// The page's name of the language it should propose here; null when the
// table has no row for this display language.
const wchar_t* ExpectedProposal()
{
    for (const Proposal& proposal : kProposals) {
        if (proposal.displayLanguage == ::GetUserDefaultUILanguage()) {
            return proposal.page;
        }
    }
    return nullptr;
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

TEST(InstallerLanguagePage, ProposesTheDisplayLanguageWhenShippedElseEnglish)
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

    const wchar_t* expected = ExpectedProposal();
    ASSERT_NE(expected, nullptr) << "no row for the display language " << std::hex << ::GetUserDefaultUILanguage();
    EXPECT_TRUE(SelectedItem(LanguageList(page)) == expected)
        << "the page does not propose the system's language (UI language "
        << ::GetUserDefaultUILanguage() << ")";

    // Every shipped language is offered.
    EXPECT_EQ(::SendMessageW(LanguageList(page), CB_GETCOUNT, 0, 0),
              static_cast<LRESULT>(test_support::ShippedLanguages().size()));

    // Cancelling the page ends the installer before anything is installed.
    test_support::PostCommand(page, IDCANCEL);
    EXPECT_NE(setup.WaitForExit(30000), static_cast<DWORD>(STILL_ACTIVE));
    EXPECT_FALSE(package_test::UninstallEntryExists());
}

}  // namespace
