// A language text edited while a run counts down: the countdown window's
// next display tick shows it, though the table keeps what it read.
#include "countdown/countdown_window.h"
#include "support/language_file.h"
#include "support/power_recorder.h"
#include "base/unique_handle.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

void SetWriteTime(const std::string& path, const FILETIME& time)
{
    base::UniqueKernelHandle file(
        ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(file);
    ASSERT_TRUE(::SetFileTime(file.Get(), nullptr, nullptr, &time));
}

std::string LanguageFile(const char* word)
{
    return std::string("[String]\r\n_Standby=stand by\r\n_InformationFormate=") + word +
           " %s in %d:%02d:%02d\r\n";
}

TEST(LanguageEditDuringRun, EditedTextShowsAtTheNextDisplayTick)
{
    test_support::ScopedLanguageFile language("");
    ASSERT_TRUE(test_support::WriteWholeFile(language.Path(), LanguageFile("Before")));
    // Written long ago: what the table reads from it now, it keeps.
    SetWriteTime(language.Path(), FILETIME{0x12345678, 0x01C00000});

    RunParameters run;
    run.action = ShutdownAction::Standby;
    run.delaySeconds = 3600;
    CountdownWindow window(run, test_support::RecordingPowerPlatform());
    ASSERT_TRUE(window.Create());
    ::ShowWindow(window.Handle(), SW_SHOWNOACTIVATE);
    ::SendMessageA(window.Handle(), WM_TIMER, CountdownWindow::TIMER_DISPLAY, 0);
    ASSERT_EQ(window.InfoLabel().Text().rfind("Before stand by in ", 0), 0u) << window.InfoLabel().Text();
    ::SendMessageA(window.Handle(), WM_TIMER, CountdownWindow::TIMER_DISPLAY, 0);

    // Edited as an editor saves: the same size, a new time of last writing.
    ASSERT_TRUE(test_support::WriteWholeFile(language.Path(), LanguageFile("After!")));
    ::SendMessageA(window.Handle(), WM_TIMER, CountdownWindow::TIMER_DISPLAY, 0);
    EXPECT_EQ(window.InfoLabel().Text().rfind("After! stand by in ", 0), 0u) << window.InfoLabel().Text();

    // And once more at once.
    ASSERT_TRUE(test_support::WriteWholeFile(language.Path(), LanguageFile("Once more")));
    ::SendMessageA(window.Handle(), WM_TIMER, CountdownWindow::TIMER_DISPLAY, 0);
    EXPECT_EQ(window.InfoLabel().Text().rfind("Once more stand by in ", 0), 0u) << window.InfoLabel().Text();
}

}  // namespace
