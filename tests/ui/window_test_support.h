// Small helpers the window framework's and the controls' tests share.
#pragma once

#include <windows.h>

#include "ui/dialog.h"

namespace window_test {

// Dispatches whatever is waiting in the thread's queue (posted messages,
// paints, timers that are due).
inline void PumpPendingMessages()
{
    MSG message{};
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Not ours to swallow: put it back for whoever runs a loop.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

// A dialog that handles nothing itself: a parent for controls under test.
class HostDialog : public ui::Dialog {
public:
    ~HostDialog() override = default;

protected:
    bool ProcessMessage(UINT, WPARAM, LPARAM, LRESULT&) override { return false; }
};

}  // namespace window_test
