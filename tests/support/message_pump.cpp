#include "support/message_pump.h"

namespace test_support {

bool PumpPendingMessages(const MessageFilter& filter)
{
    MSG message{};
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (filter && filter(message)) {
            continue;
        }
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return true;
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs, const MessageFilter& filter)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        const bool quitLeft = !PumpPendingMessages(filter);
        if (condition()) {
            return true;
        }
        if (quitLeft || ::GetTickCount() - start > timeoutMs) {
            return false;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

bool TakeTimerMessage(HWND window, MSG& timer, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (!::PeekMessageA(&timer, window, WM_TIMER, WM_TIMER, PM_REMOVE)) {
        if (::GetTickCount() - start >= timeoutMs) {
            return false;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_TIMER);
    }
    return true;
}

}  // namespace test_support
