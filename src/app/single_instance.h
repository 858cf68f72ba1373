// One copy of the program per session: the first copy holds a named mutex
// for as long as it runs. Its name, kSingleInstanceMutexName, is generated
// from the build's CMakeLists.txt, which gives the same name to the installer:
// it looks for a running copy of the program by it before it changes any file.
#pragma once

#include <windows.h>

#include "app/instance_mutex_name.h"
#include "base/unique_handle.h"

// Creates or opens the mutex `name` into `mutex` and tells whether another
// copy holds it already. Two failures also mean that a copy is running: a
// copy running elevated (as administrator) makes a mutex that a normal copy
// may not open (ERROR_ACCESS_DENIED), and a name that some other process of
// the session took for an event, semaphore or section fails CreateMutexA
// with ERROR_INVALID_HANDLE; counted as running, such a squatter can hold
// back a second countdown but never start one. Any other failure leaves
// `mutex` empty and returns false: the run goes on without the guard rather
// than not at all.
bool AnotherCopyIsRunning(const char* name, base::UniqueKernelHandle& mutex);
