// The thread's message loop, with the message filters and idle handlers that
// windows of the thread register with it.
#pragma once

#include <windows.h>

#include <vector>

namespace ui {

class MessageFilter {
public:
    // True when the filter consumed the message (it is then neither
    // translated nor dispatched).
    virtual bool PreTranslateMessage(MSG& message) = 0;

protected:
    ~MessageFilter() = default;
};

class IdleHandler {
public:
    virtual bool OnIdle() = 0;

protected:
    ~IdleHandler() = default;
};

class MessageLoop {
public:
    MessageLoop() = default;
    MessageLoop(const MessageLoop&) = delete;
    MessageLoop& operator=(const MessageLoop&) = delete;

    void AddMessageFilter(MessageFilter* filter);
    void RemoveMessageFilter(MessageFilter* filter);
    void AddIdleHandler(IdleHandler* handler);
    void RemoveIdleHandler(IdleHandler* handler);

    // Runs until WM_QUIT and returns its wParam.
    int Run();

    // Offers the message to the filters, the last registered first.
    bool PreTranslateMessage(MSG& message);
    // Calls every idle handler once, in the order of registration.
    void RunIdleHandlers();

    // Whether a message allows idle processing again: mouse moves, paints and
    // the caret blink come all the time and would keep the idle pass busy.
    static bool IsIdleMessage(const MSG& message);

private:
    std::vector<MessageFilter*> filters_;
    std::vector<IdleHandler*> idleHandlers_;
    // Walks in progress (a filter may run a nested loop of its own).
    int walkingFilters_ = 0;
    int walkingIdleHandlers_ = 0;
};

}  // namespace ui
