// The real executable given a command line whose numbers are not plain
// digits: no run starts, the parameters dialog asks for one instead.
#include "resource.h"
#include "support/program_process.h"
#include "support/program_windows.h"
#include "support/window_finder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

using test_support::ProgramProcess;

constexpr DWORD kExitTimeoutMs = 30000;

class StrictCommandLineEndToEnd : public ::testing::TestWithParam<const char*> {
protected:
    void TearDown() override
    {
        // Wine needs a moment before the next copy takes the mutex and the
        // display again.
        ::Sleep(300);
    }
};

TEST_P(StrictCommandLineEndToEnd, OpensTheParametersDialogAndEscEndsWithNoRun)
{
    ProgramProcess program(test_support::ProgramPath(), GetParam());
    ASSERT_TRUE(program.Started());
    const HWND dialog = test_support::WaitForParametersDialog(program.Id());
    ASSERT_NE(dialog, nullptr) << "no parameters dialog: the line was taken for a run";

    // Esc as the user presses it: to the control with the focus, which the
    // dialog's own loop turns into Cancel.
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &info));
    const HWND focus = info.hwndFocus != nullptr ? info.hwndFocus : dialog;
    ::PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 0x00010001);

    bool countdownSeen = false;
    test_support::WaitUntil(
        [&] {
            countdownSeen = countdownSeen || test_support::WaitForDialogWithControl(program.Id(), IDC_INFO, 0);
            return !program.IsRunning();
        },
        kExitTimeoutMs);
    EXPECT_EQ(program.WaitForExit(0), 0u);
    EXPECT_FALSE(countdownSeen);
}

// An empty delay (a script's unset variable), a unit, hex, an exponent, a
// sign, an action that is a word.
const char* const kMalformedLines[] = {"0,,", "0,5min,", "0,0x10,", "0,1e3,", "0,+60,", "abc,20,"};
const char* const kMalformedNames[] = {"EmptyDelay", "Unit", "Hex", "Exponent", "Sign", "WordAction"};

std::string MalformedName(const ::testing::TestParamInfo<const char*>& info)
{
    return kMalformedNames[info.index];
}

INSTANTIATE_TEST_SUITE_P(MalformedNumbers, StrictCommandLineEndToEnd, ::testing::ValuesIn(kMalformedLines),
                         MalformedName);

}  // namespace
