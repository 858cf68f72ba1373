// Running the test thread's own messages while a test waits or checks.
#pragma once

namespace test_support {

// Dispatches whatever waits in the thread's queue (posted messages, paints,
// timers that are due) and returns. A WM_QUIT is not ours to swallow: it is
// posted again for whichever loop runs next, and the pump stops there.
void PumpPendingMessages();

}  // namespace test_support
