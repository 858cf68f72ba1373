// A message filter's place in the calling thread's message loop (the loop
// that ui::TheUiModule() knows for the thread), held until Reset or the end
// of this object: a window that filters its messages cannot be left in the
// loop after it is gone.
#pragma once

#include "ui/message_loop.h"

namespace ui {

class FilterRegistration {
public:
    FilterRegistration() = default;
    ~FilterRegistration() { Reset(); }
    FilterRegistration(const FilterRegistration&) = delete;
    FilterRegistration& operator=(const FilterRegistration&) = delete;

    // Adds `filter` to the thread's loop, after removing an earlier one.
    // False when the thread has no loop: nothing is registered then.
    bool Register(MessageFilter& filter);
    // Removes the filter; nothing when none is registered.
    void Reset();

    bool IsRegistered() const { return loop_ != nullptr; }

private:
    MessageLoop* loop_ = nullptr;
    MessageFilter* filter_ = nullptr;
};

}  // namespace ui
