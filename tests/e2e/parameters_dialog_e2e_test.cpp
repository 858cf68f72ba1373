// The real executable started without a run on its command line: the
// parameters dialog comes up and decides whether a countdown follows.
#include "lang/language_table.h"
#include "resource.h"
#include "support/program_process.h"
#include "support/program_windows.h"
#include "support/window_finder.h"
#include "support/wine_only.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

using test_support::ProgramProcess;

constexpr DWORD kExitTimeoutMs = 30000;

class ParametersDialogEndToEnd : public ::testing::Test {
protected:
    static HWND FindCountdownWindow(const ProgramProcess& program)
    {
        return test_support::WaitForDialogWithControl(program.Id(), IDC_INFO, 0);
    }

    static void Select(HWND dialog, int comboId, int index)
    {
        ::SendMessageA(::GetDlgItem(dialog, comboId), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }

    static std::string LanguageText(const std::string& key)
    {
        LanguageTable table;
        table.SetFile(test_support::TestBinaryFolder() + "\\TolvrinShutdown.lng");
        return table.Lookup(key, true);
    }
};

TEST_F(ParametersDialogEndToEnd, StandbyAfterThreeSecondsCountsDownAndEndsWith1)
{
    SKIP_UNLESS_UNDER_WINE();
    ProgramProcess program(test_support::ProgramPath(), "");
    ASSERT_TRUE(program.Started());
    const HWND dialog = test_support::WaitForParametersDialog(program.Id());
    ASSERT_NE(dialog, nullptr);

    Select(dialog, IDC_ACTION, 0);  // standby: the one action Wine leaves the session alone for
    Select(dialog, IDC_HOURS, 0);
    Select(dialog, IDC_MINUTES, 0);
    Select(dialog, IDC_SECONDS, 3);
    EXPECT_EQ(test_support::ControlText(::GetDlgItem(dialog, IDC_SECONDS)), "3");
    test_support::PostClick(dialog, IDOK);

    EXPECT_TRUE(test_support::WaitUntilGone(dialog));
    EXPECT_NE(test_support::WaitForDialogWithControl(program.Id(), IDC_INFO), nullptr);
    EXPECT_EQ(program.WaitForExit(kExitTimeoutMs), 1u);
}

TEST_F(ParametersDialogEndToEnd, CancelEndsWith0WithoutCountdownWindow)
{
    ProgramProcess program(test_support::ProgramPath(), "");
    ASSERT_TRUE(program.Started());
    const HWND dialog = test_support::WaitForParametersDialog(program.Id());
    ASSERT_NE(dialog, nullptr);

    test_support::PostClick(dialog, IDCANCEL);

    bool countdownSeen = false;
    test_support::WaitUntil(
        [&] {
            countdownSeen = countdownSeen || FindCountdownWindow(program) != nullptr;
            return !program.IsRunning();
        },
        kExitTimeoutMs);
    EXPECT_EQ(program.WaitForExit(0), 0u);
    EXPECT_FALSE(countdownSeen);
}

TEST_F(ParametersDialogEndToEnd, SecondCopyIsRefusedWhileTheDialogIsOpen)
{
    ProgramProcess first(test_support::ProgramPath(), "");
    ASSERT_TRUE(first.Started());
    const HWND dialog = test_support::WaitForParametersDialog(first.Id());
    ASSERT_NE(dialog, nullptr);

    ProgramProcess second(test_support::ProgramPath(), "");
    ASSERT_TRUE(second.Started());
    const HWND refusal = test_support::WaitForMessageBox(second.Id());
    ASSERT_NE(refusal, nullptr);
    EXPECT_EQ(test_support::MessageBoxText(refusal), LanguageText("_AlreadyRunningAnInstance"));
    EXPECT_EQ(test_support::ExitCodeAfterCommand(second, refusal, IDOK, kExitTimeoutMs), 0u);

    EXPECT_TRUE(::IsWindow(dialog));
    test_support::PostClick(dialog, IDCANCEL);
    EXPECT_EQ(first.WaitForExit(kExitTimeoutMs), 0u);
}

}  // namespace
