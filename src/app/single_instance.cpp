#include "app/single_instance.h"

bool AnotherCopyIsRunning(const char* name, base::UniqueKernelHandle& mutex)
{
    mutex.Reset(::CreateMutexA(nullptr, FALSE, name));
    const DWORD error = ::GetLastError();
    if (mutex) {
        return error == ERROR_ALREADY_EXISTS;
    }
    return error == ERROR_ACCESS_DENIED || error == ERROR_INVALID_HANDLE;
}
