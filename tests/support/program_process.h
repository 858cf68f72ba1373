// Starts the real program for end-to-end tests and waits for its exit code.
#pragma once

#include <windows.h>

#include <string>

#include "base/unique_handle.h"

namespace test_support {

// The program built beside the test executable (bin/TolvrinShutdown.exe).
std::string ProgramPath();
// The folder of the test executable, without a trailing backslash.
std::string TestBinaryFolder();

class ProgramProcess {
public:
    // Starts `exePath` with `arguments` (what follows the program's name on
    // its command line). Check IsRunning() or Id() for success.
    ProgramProcess(const std::string& exePath, const std::string& arguments);
    // The same with UTF-16 texts, for folders and arguments that the ANSI
    // code page cannot hold (CreateProcessW).
    ProgramProcess(const std::wstring& exePath, const std::wstring& arguments);
    // A process still running when the test ends is killed.
    ~ProgramProcess();
    ProgramProcess(ProgramProcess&&) = default;
    ProgramProcess& operator=(ProgramProcess&&) = default;

    bool Started() const { return static_cast<bool>(process_); }
    DWORD Id() const { return id_; }
    bool IsRunning() const;

    // The exit code, or STILL_ACTIVE (259) when it did not end in time.
    DWORD WaitForExit(DWORD timeoutMs);
    void Kill();

private:
    base::UniqueKernelHandle process_;
    DWORD id_ = 0;
};

}  // namespace test_support
