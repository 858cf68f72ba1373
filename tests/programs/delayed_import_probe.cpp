// Calls a function of tolvrin_absent.dll, a library that no system folder
// holds, imported with a delay through the program's own hook: the planting
// tests' proof that the hook never lets the loader search for a library by
// its bare name. Ends with 3 when the failure was reported as the delay-load
// exception, 4 for any other exception, 0 if the call returned.
#include <windows.h>


#include "app/delayed_imports.h"

extern "C" __declspec(dllimport) int WINAPI TolvrinAbsentFunction();

namespace {

LONG WINAPI EndOnException(EXCEPTION_POINTERS* exception)
{
    const DWORD code = exception->ExceptionRecord->ExceptionCode;
    ::ExitProcess(code == VcppException(ERROR_SEVERITY_ERROR, ERROR_MOD_NOT_FOUND) ? 3 : 4);
}

}  // namespace

int main()
{
    InstallDelayedImportHook();
    ::AddVectoredExceptionHandler(1, &EndOnException);
    TolvrinAbsentFunction();
    return 0;
}
