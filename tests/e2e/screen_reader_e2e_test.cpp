// What a screen reader hears of the countdown, watched from outside the
// program the way an assistive tool watches it: a WinEvent hook out of
// context, in this process, for the program's process.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "countdown/announcement_throttle.h"
#include "resource.h"
#include "support/message_pump.h"
#include "support/program_process.h"
#include "support/program_windows.h"
#include "support/window_finder.h"

namespace {

using test_support::ProgramProcess;

constexpr DWORD kEventLiveRegionChanged = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED

struct Announcement {
    HWND window;
    LONG object;
    LONG child;
    DWORD timeMs;
    // Read when the event arrives, as a reader reads the object's name.
    std::string text;
};

// A WinEvent callback has no context of its own.
std::vector<Announcement>* heard = nullptr;

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD timeMs)
{
    if (heard != nullptr && event == kEventLiveRegionChanged) {
        heard->push_back({window, object, child, timeMs, test_support::ControlText(window)});
    }
}

class WinEventHook {
public:
    WinEventHook(DWORD processId, std::vector<Announcement>& sink)
        : hook_(::SetWinEventHook(kEventLiveRegionChanged, kEventLiveRegionChanged, nullptr, &OnWinEvent, processId,
                                  0, WINEVENT_OUTOFCONTEXT))
    {
        heard = &sink;
    }
    ~WinEventHook()
    {
        if (hook_ != nullptr) {
            ::UnhookWinEvent(hook_);
        }
        heard = nullptr;
    }
    WinEventHook(const WinEventHook&) = delete;
    WinEventHook& operator=(const WinEventHook&) = delete;
    bool IsSet() const { return hook_ != nullptr; }

private:
    HWINEVENTHOOK hook_;
};

// The seconds of a countdown text that ends in "0:00:SS"; -1 for any other.
int SecondsLeft(const std::string& text)
{
    const std::string::size_type at = text.rfind("0:00:");
    if (at == std::string::npos || at + 7 != text.size()) {
        return -1;
    }
    return std::stoi(text.substr(at + 5));
}

TEST(ScreenReaderEndToEnd, LastSecondsAreAnnouncedFromTheLabelAtMostEveryFiveSeconds)
{
    std::vector<Announcement> announcements;
    ProgramProcess program(test_support::ProgramPath(), "0,16,");
    ASSERT_TRUE(program.Started());
    // Set before the last seconds begin, a second from now.
    const WinEventHook hook(program.Id(), announcements);
    ASSERT_TRUE(hook.IsSet());
    const HWND window = test_support::WaitForCountdownWindow(program.Id());
    ASSERT_NE(window, nullptr);
    const HWND label = ::GetDlgItem(window, IDC_INFO);

    // Out-of-context events come through this thread's message queue.
    ASSERT_TRUE(test_support::PumpUntil([&] { return announcements.size() >= 2; }, 12000))
        << announcements.size() << " announcement(s) within 12 s";
    ASSERT_EQ(test_support::ExitCodeAfterCommand(program, window, IDCANCEL), 2u);

    const Announcement& first = announcements.front();
    EXPECT_EQ(first.window, label);
    EXPECT_EQ(first.object, OBJID_CLIENT);
    EXPECT_EQ(first.child, CHILDID_SELF);
    const int secondsLeft = SecondsLeft(first.text);
    EXPECT_GE(secondsLeft, 10) << first.text;
    EXPECT_LE(secondsLeft, 15) << first.text;
    for (std::size_t i = 1; i < announcements.size(); ++i) {
        EXPECT_EQ(announcements[i].window, label);
        EXPECT_NE(SecondsLeft(announcements[i].text), -1) << announcements[i].text;
        // The event's time is the system's tick count, which may step more
        // coarsely than the program's clock (10-16 ms on Windows).
        EXPECT_GE(announcements[i].timeMs - announcements[i - 1].timeMs, kAnnouncementIntervalMs - 20);
    }
}

}  // namespace
