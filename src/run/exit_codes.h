// How the process tells the one who started it what became of the run.
#pragma once

enum ExitCode : int {
    kExitNoRun = 0,       // another copy runs, no run was chosen, or no window
    kExitCarriedOut = 1,  // the countdown reached zero and the action started
    kExitCancelled = 2,   // the user cancelled the run
    kExitRefused = 3,     // the countdown reached zero but the system refused the action
};
