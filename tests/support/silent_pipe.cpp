#include "support/silent_pipe.h"

#include <atomic>

namespace test_support {

SilentPipe::SilentPipe()
{
    static std::atomic<unsigned> counter{0};
    path_ = L"\\\\.\\pipe\\tolvrin-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
            std::to_wstring(counter++);
    pipe_.Reset(::CreateNamedPipeW(path_.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED,
                                   PIPE_TYPE_BYTE | PIPE_WAIT, 1, 0, 0, 0, nullptr));
    connected_.Reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!pipe_ || !connected_) {
        return;
    }
    overlapped_.hEvent = connected_.Get();
    // Overlapped, so that the wait for a client runs while the test goes on.
    if (::ConnectNamedPipe(pipe_.Get(), &overlapped_)) {
        listening_ = true;
        return;
    }
    const DWORD error = ::GetLastError();
    connectedAtOnce_ = error == ERROR_PIPE_CONNECTED;
    listening_ = error == ERROR_IO_PENDING || connectedAtOnce_;
}

SilentPipe::~SilentPipe()
{
    if (listening_ && !connectedAtOnce_) {
        DWORD transferred = 0;
        ::CancelIoEx(pipe_.Get(), &overlapped_);
        ::GetOverlappedResult(pipe_.Get(), &overlapped_, &transferred, TRUE);
    }
}

bool SilentPipe::SawClient() const
{
    return connectedAtOnce_ || (connected_ && ::WaitForSingleObject(connected_.Get(), 0) == WAIT_OBJECT_0);
}

}  // namespace test_support
