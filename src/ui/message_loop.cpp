#include "ui/message_loop.h"

#include <algorithm>

namespace ui {

namespace {

template <typename T>
void RemoveFrom(std::vector<T*>& list, T* item)
{
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

constexpr UINT kCaretBlinkTimerMessage = 0x0118;

}  // namespace

void MessageLoop::AddMessageFilter(MessageFilter* filter)
{
    filters_.push_back(filter);
}

void MessageLoop::RemoveMessageFilter(MessageFilter* filter)
{
    RemoveFrom(filters_, filter);
}

void MessageLoop::AddIdleHandler(IdleHandler* handler)
{
    idleHandlers_.push_back(handler);
}

void MessageLoop::RemoveIdleHandler(IdleHandler* handler)
{
    RemoveFrom(idleHandlers_, handler);
}

bool MessageLoop::PreTranslateMessage(MSG& message)
{
    // A filter may unregister itself (or others) while it runs, for instance
    // when the message destroys its window: walk by index and re-check.
    for (std::size_t i = filters_.size(); i > 0; --i) {
        if (i > filters_.size()) {
            continue;
        }
        if (filters_[i - 1]->PreTranslateMessage(message)) {
            return true;
        }
    }
    return false;
}

void MessageLoop::RunIdleHandlers()
{
    for (std::size_t i = 0; i < idleHandlers_.size(); ++i) {
        idleHandlers_[i]->OnIdle();
    }
}

bool MessageLoop::IsIdleMessage(const MSG& message)
{
    switch (message.message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_PAINT:
    case kCaretBlinkTimerMessage:
        return false;
    default:
        return true;
    }
}

int MessageLoop::Run()
{
    bool idleAllowed = true;
    MSG message{};
    for (;;) {
        if (idleAllowed && !::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            RunIdleHandlers();
            idleAllowed = false;
        }

        const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got == -1) {
            continue;
        }
        if (!got) {
            break;
        }

        if (!PreTranslateMessage(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        if (IsIdleMessage(message)) {
            idleAllowed = true;
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace ui
