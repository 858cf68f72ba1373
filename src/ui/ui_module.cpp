#include "ui/ui_module.h"

namespace ui {

namespace {

class ExclusiveLock {
public:
    explicit ExclusiveLock(SRWLOCK& lock) : lock_(lock) { ::AcquireSRWLockExclusive(&lock_); }
    ~ExclusiveLock() { ::ReleaseSRWLockExclusive(&lock_); }
    ExclusiveLock(const ExclusiveLock&) = delete;
    ExclusiveLock& operator=(const ExclusiveLock&) = delete;

private:
    SRWLOCK& lock_;
};

class SharedLock {
public:
    explicit SharedLock(SRWLOCK& lock) : lock_(lock) { ::AcquireSRWLockShared(&lock_); }
    ~SharedLock() { ::ReleaseSRWLockShared(&lock_); }
    SharedLock(const SharedLock&) = delete;
    SharedLock& operator=(const SharedLock&) = delete;

private:
    SRWLOCK& lock_;
};

}  // namespace

UiModule& TheUiModule()
{
    static UiModule module;
    return module;
}

void UiModule::Init(HINSTANCE instance)
{
    ExclusiveLock guard(lock_);
    instance_ = instance;
    mainThreadId_ = ::GetCurrentThreadId();
    loops_.clear();
}

void UiModule::Term()
{
    ExclusiveLock guard(lock_);
    loops_.clear();
    mainThreadId_ = 0;
}

HINSTANCE UiModule::Instance() const
{
    return instance_ ? instance_ : ::GetModuleHandleA(nullptr);
}

bool UiModule::AddMessageLoop(MessageLoop* loop)
{
    ExclusiveLock guard(lock_);
    return loops_.emplace(::GetCurrentThreadId(), loop).second;
}

bool UiModule::RemoveMessageLoop()
{
    ExclusiveLock guard(lock_);
    return loops_.erase(::GetCurrentThreadId()) != 0;
}

MessageLoop* UiModule::GetMessageLoop(DWORD threadId) const
{
    SharedLock guard(lock_);
    const auto found = loops_.find(threadId);
    return found == loops_.end() ? nullptr : found->second;
}

}  // namespace ui
