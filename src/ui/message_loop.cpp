#include "ui/message_loop.h"

#include <algorithm>

namespace ui {

namespace {

// Entries removed while a list is walked are only blanked, so that the walk
// needs no copy of the list: a message must not allocate on its way through
// the loop, since a failed allocation there would end the process before the
// countdown could carry out its action.
template <typename T>
void RemoveFrom(std::vector<T*>& list, T* item, int walking)
{
    if (walking > 0) {
        std::replace(list.begin(), list.end(), item, static_cast<T*>(nullptr));
    } else {
        list.erase(std::remove(list.begin(), list.end(), item), list.end());
    }
}

template <typename T>
void DropBlanks(std::vector<T*>& list)
{
    list.erase(std::remove(list.begin(), list.end(), nullptr), list.end());
}

// Counts a walk in progress for as long as it lives, and tidies the list
// once the outermost walk has ended.
template <typename T>
class Walk {
public:
    Walk(std::vector<T*>& list, int& walking) : list_(list), walking_(walking) { ++walking_; }
    ~Walk()
    {
        if (--walking_ == 0) {
            DropBlanks(list_);
        }
    }
    Walk(const Walk&) = delete;
    Walk& operator=(const Walk&) = delete;

private:
    std::vector<T*>& list_;
    int& walking_;
};

constexpr UINT kCaretBlinkTimerMessage = 0x0118;

}  // namespace

void MessageLoop::AddMessageFilter(MessageFilter* filter)
{
    filters_.push_back(filter);
}

void MessageLoop::RemoveMessageFilter(MessageFilter* filter)
{
    RemoveFrom(filters_, filter, walkingFilters_);
}

void MessageLoop::AddIdleHandler(IdleHandler* handler)
{
    idleHandlers_.push_back(handler);
}

void MessageLoop::RemoveIdleHandler(IdleHandler* handler)
{
    RemoveFrom(idleHandlers_, handler, walkingIdleHandlers_);
}

bool MessageLoop::PreTranslateMessage(MSG& message)
{
    // A filter may unregister itself or others while it runs, for instance
    // when the message destroys its window: those are blanked, and skipped.
    const Walk<MessageFilter> walk(filters_, walkingFilters_);
    for (std::size_t i = filters_.size(); i-- > 0;) {
        MessageFilter* filter = filters_[i];
        if (filter != nullptr && filter->PreTranslateMessage(message)) {
            return true;
        }
    }
    return false;
}

void MessageLoop::RunIdleHandlers()
{
    const Walk<IdleHandler> walk(idleHandlers_, walkingIdleHandlers_);
    const std::size_t count = idleHandlers_.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (IdleHandler* handler = idleHandlers_[i]) {
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
