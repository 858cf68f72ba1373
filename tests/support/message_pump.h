// Running the test thread's own messages while a test waits or checks.
#pragma once

#include <windows.h>

#include <functional>

namespace test_support {

// Offered each message before it is translated and dispatched, WM_QUIT
// included; true when it has taken the message.
using MessageFilter = std::function<bool(MSG&)>;

// Dispatches whatever waits in the thread's queue (posted messages, paints,
// timers that are due) and returns. A WM_QUIT that `filter` does not take is
// not ours to swallow: it is posted again for whichever loop runs next, the
// pump stops there and answers false.
bool PumpPendingMessages(const MessageFilter& filter = {});

// Runs the thread's messages until `condition` holds (true) or `timeoutMs`
// has passed (false), sleeping while nothing is queued. A WM_QUIT left to the
// pump ends the wait with whatever `condition` says then.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000, const MessageFilter& filter = {});

// Takes the next WM_TIMER of `window` from the queue without dispatching
// anything else: a pump would hand the timer message to the window before the
// test could see it. False when none came within `timeoutMs`.
bool TakeTimerMessage(HWND window, MSG& timer, DWORD timeoutMs = 5000);

}  // namespace test_support
