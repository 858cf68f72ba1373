// The window framework's process-wide state: the module's instance, the main
// thread, and the registry that maps each thread to its message loop.
#pragma once

#include <windows.h>

#include <map>

namespace ui {

class MessageLoop;

class UiModule {
public:
    UiModule(const UiModule&) = delete;
    UiModule& operator=(const UiModule&) = delete;

    void Init(HINSTANCE instance);
    void Term();

    // The module whose dialog templates and icons the program uses. Before
    // Init it is the executable itself.
    HINSTANCE Instance() const;
    DWORD MainThreadId() const { return mainThreadId_; }

    bool AddMessageLoop(MessageLoop* loop);     // for the calling thread
    bool RemoveMessageLoop();                   // for the calling thread
    MessageLoop* GetMessageLoop(DWORD threadId = ::GetCurrentThreadId()) const;

private:
    friend UiModule& TheUiModule();
    UiModule() = default;

    HINSTANCE instance_ = nullptr;
    DWORD mainThreadId_ = 0;
    // The framework's windows live on one thread, but a thread may look up
    // another's loop (GetMessageLoop with its id) while that one registers.
    // A slim reader/writer lock rather than std::mutex, which with MinGW's
    // posix thread model links the whole pthreads emulation into the exe.
    mutable SRWLOCK lock_ = SRWLOCK_INIT;
    std::map<DWORD, MessageLoop*> loops_;
};

UiModule& TheUiModule();

// Initialises the framework for the module and ends it on scope exit.
class UiModuleScope {
public:
    explicit UiModuleScope(HINSTANCE instance) { TheUiModule().Init(instance); }
    ~UiModuleScope() { TheUiModule().Term(); }
    UiModuleScope(const UiModuleScope&) = delete;
    UiModuleScope& operator=(const UiModuleScope&) = delete;
};

// Registers a loop for the calling thread for as long as it lives.
class MessageLoopRegistration {
public:
    explicit MessageLoopRegistration(MessageLoop& loop) { TheUiModule().AddMessageLoop(&loop); }
    ~MessageLoopRegistration() { TheUiModule().RemoveMessageLoop(); }
    MessageLoopRegistration(const MessageLoopRegistration&) = delete;
    MessageLoopRegistration& operator=(const MessageLoopRegistration&) = delete;
};

}  // namespace ui
