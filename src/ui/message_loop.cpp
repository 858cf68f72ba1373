#include "ui/message_loop.h"

#include <algorithm>

namespace ui {

namespace {

template <typename T>
void RemoveFrom(std::vector<T*>& list, T* item)
{
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

template <typename T>
bool Contains(const std::vector<T*>& list, T* item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
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
    // A filter may unregister itself or others while it runs, for instance
    // when the message destroys its window: walk a copy, and skip the ones
    // that have left in the meantime.
    const std::vector<MessageFilter*> filters = filters_;
    for (auto it = filters.rbegin(); it != filters.rend(); ++it) {
        if (!Contains(filters_, *it)) {
            continue;
        }
        if ((*it)->PreTranslateMessage(message)) {
            return true;
        }
    }
    return false;
}

void MessageLoop::RunIdleHandlers()
{
    const std::vector<IdleHandler*> handlers = idleHandlers_;
    for (IdleHandler* handler : handlers) {
        if (Contains(idleHandlers_, handler)) {
            handler->OnIdle();
        }
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
