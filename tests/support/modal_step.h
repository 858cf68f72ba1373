// Reaching a modal dialog from the test that started it: a step that runs
// from a thread timer, which fires inside whatever modal loop dispatches the
// thread's messages while DialogBoxParam has not returned.
#pragma once

#include <windows.h>

#include <functional>

namespace test_support {

class ModalStep {
public:
    // Checks `ready` every `periodMs` and runs `step` once, the first time it
    // holds.
    ModalStep(std::function<bool()> ready, std::function<void()> step, UINT periodMs = 10);
    ~ModalStep();
    ModalStep(const ModalStep&) = delete;
    ModalStep& operator=(const ModalStep&) = delete;

    bool HasRun() const { return ran_; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD);
    void Stop();

    std::function<bool()> ready_;
    std::function<void()> step_;
    UINT_PTR timer_ = 0;
    bool ran_ = false;
};

}  // namespace test_support
