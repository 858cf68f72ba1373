#include "support/modal_step.h"

#include <utility>
#include <vector>

namespace test_support {
namespace {

// A thread timer's callback gets only the timer's id: the steps waiting on
// this thread, by id.
std::vector<ModalStep*>& WaitingSteps()
{
    static std::vector<ModalStep*> steps;
    return steps;
}

std::vector<UINT_PTR>& WaitingTimers()
{
    static std::vector<UINT_PTR> timers;
    return timers;
}

}  // namespace

ModalStep::ModalStep(std::function<bool()> ready, std::function<void()> step, UINT periodMs)
    : ready_(std::move(ready)), step_(std::move(step))
{
    timer_ = ::SetTimer(nullptr, 0, periodMs, &ModalStep::OnTimer);
    WaitingSteps().push_back(this);
    WaitingTimers().push_back(timer_);
}

ModalStep::~ModalStep()
{
    Stop();
}

void ModalStep::Stop()
{
    if (timer_ == 0) {
        return;
    }
    ::KillTimer(nullptr, timer_);
    auto& steps = WaitingSteps();
    auto& timers = WaitingTimers();
    for (std::size_t i = 0; i < timers.size(); ++i) {
        if (timers[i] == timer_) {
            steps.erase(steps.begin() + static_cast<std::ptrdiff_t>(i));
            timers.erase(timers.begin() + static_cast<std::ptrdiff_t>(i));
            break;
        }
    }
    timer_ = 0;
}

void CALLBACK ModalStep::OnTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    const auto& timers = WaitingTimers();
    for (std::size_t i = 0; i < timers.size(); ++i) {
        ModalStep* step = WaitingSteps()[i];
        if (timers[i] != timer || !step->ready_()) {
            continue;
        }
        // Stopped before the step runs: the step may enter a modal loop of
        // its own, in which this timer would fire again.
        step->Stop();
        step->ran_ = true;
        step->step_();
        return;
    }
}

}  // namespace test_support
