#include "ui/ui_module.h"

namespace ui {

UiModule& TheUiModule()
{
    static UiModule module;
    return module;
}

void UiModule::Init(HINSTANCE instance)
{
    std::lock_guard<std::mutex> guard(lock_);
    instance_ = instance;
    mainThreadId_ = ::GetCurrentThreadId();
    loops_.clear();
}

void UiModule::Term()
{
    std::lock_guard<std::mutex> guard(lock_);
    loops_.clear();
    mainThreadId_ = 0;
}

HINSTANCE UiModule::Instance() const
{
    return instance_ ? instance_ : ::GetModuleHandleA(nullptr);
}

bool UiModule::AddMessageLoop(MessageLoop* loop)
{
    std::lock_guard<std::mutex> guard(lock_);
    return loops_.emplace(::GetCurrentThreadId(), loop).second;
}

bool UiModule::RemoveMessageLoop()
{
    std::lock_guard<std::mutex> guard(lock_);
    return loops_.erase(::GetCurrentThreadId()) != 0;
}

MessageLoop* UiModule::GetMessageLoop(DWORD threadId) const
{
    std::lock_guard<std::mutex> guard(lock_);
    const auto found = loops_.find(threadId);
    return found == loops_.end() ? nullptr : found->second;
}

}  // namespace ui
