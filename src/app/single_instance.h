// One copy of the program per session: the first copy holds a named mutex
// for as long as it runs.
#pragma once

#include <windows.h>

#include "ui/unique_handle.h"

// Creates or opens the mutex `name` into `mutex` and tells whether another
// copy holds it already. A copy running elevated (as administrator) makes a
// mutex that a normal copy may not open: CreateMutexA then fails with
// ERROR_ACCESS_DENIED, which also means that a copy is running. Any other
// failure leaves `mutex` empty and returns false: the run goes on without
// the guard rather than not at all.
bool AnotherCopyIsRunning(const char* name, ui::UniqueKernelHandle& mutex);
