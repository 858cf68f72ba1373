#include "countdown/keep_awake.h"

void KeepAwake::Hold()
{
    if (!held_ && power_.setThreadExecutionState != nullptr) {
        held_ = power_.setThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED) != 0;
    }
}

void KeepAwake::Release()
{
    if (held_) {
        // ES_CONTINUOUS alone clears what the thread asked for before.
        power_.setThreadExecutionState(ES_CONTINUOUS);
        held_ = false;
    }
}
