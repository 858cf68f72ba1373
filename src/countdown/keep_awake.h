// Keeps the machine from going to sleep by itself while a run counts down
// (SetThreadExecutionState with ES_SYSTEM_REQUIRED; the display may still
// turn off, and the user can still put the machine to sleep by hand).
#pragma once

#include "power/power_platform.h"

class KeepAwake {
public:
    explicit KeepAwake(const PowerPlatform& power) : power_(power) {}
    ~KeepAwake() { Release(); }
    KeepAwake(const KeepAwake&) = delete;
    KeepAwake& operator=(const KeepAwake&) = delete;

    void Hold();
    // Lets the machine sleep again; once, however often it is called. Before
    // the action (a stand-by must not be held off by our own request) and
    // when the run ends.
    void Release();

private:
    const PowerPlatform& power_;
    bool held_ = false;
};
