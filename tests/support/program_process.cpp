#include "support/program_process.h"

#include "text/wide_text.h"

#include <vector>

namespace test_support {

std::string TestBinaryFolder()
{
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            std::string path(buffer.data(), length);
            return path.substr(0, path.find_last_of("\\/"));
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::string ProgramPath()
{
    return TestBinaryFolder() + "\\TolvrinShutdown.exe";
}

// CreateProcessA would convert both from the ANSI code page all the same.
ProgramProcess::ProgramProcess(const std::string& exePath, const std::string& arguments)
    : ProgramProcess(ToWide(exePath), ToWide(arguments))
{
}

ProgramProcess::ProgramProcess(const std::wstring& exePath, const std::wstring& arguments)
{
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!arguments.empty()) {
        commandLine += L" " + arguments;
    }
    std::vector<wchar_t> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back(L'\0');

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (::CreateProcessW(exePath.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &info)) {
        ::CloseHandle(info.hThread);
        process_.Reset(info.hProcess);
        id_ = info.dwProcessId;
    }
}

ProgramProcess::~ProgramProcess()
{
    Kill();
}

bool ProgramProcess::IsRunning() const
{
    return process_ && ::WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

DWORD ProgramProcess::WaitForExit(DWORD timeoutMs)
{
    if (!process_) {
        return STILL_ACTIVE;
    }
    if (::WaitForSingleObject(process_.Get(), timeoutMs) != WAIT_OBJECT_0) {
        return STILL_ACTIVE;
    }
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(process_.Get(), &code);
    return code;
}

void ProgramProcess::Kill()
{
    if (IsRunning()) {
        ::TerminateProcess(process_.Get(), 0xDEAD);
        ::WaitForSingleObject(process_.Get(), 5000);
    }
}

}  // namespace test_support
