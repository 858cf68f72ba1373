// A named pipe that a test serves and never answers, to show that a path
// naming it is never opened: it waits for one client and tells whether one
// came.
#pragma once

#include <windows.h>

#include <string>

#include "base/unique_handle.h"

namespace test_support {

class SilentPipe {
public:
    // \\.\pipe\tolvrin-test-<process>-<number>, listening at once.
    SilentPipe();
    // Ends the wait for a client before the OVERLAPPED it writes to goes.
    ~SilentPipe();
    SilentPipe(const SilentPipe&) = delete;
    SilentPipe& operator=(const SilentPipe&) = delete;

    bool IsListening() const { return listening_; }
    const std::wstring& Path() const { return path_; }
    std::string NarrowPath() const { return std::string(path_.begin(), path_.end()); }
    // Whether a client has opened the pipe so far.
    bool SawClient() const;

private:
    std::wstring path_;
    base::UniqueKernelHandle pipe_;
    base::UniqueKernelHandle connected_;
    OVERLAPPED overlapped_{};
    bool listening_ = false;
    bool connectedAtOnce_ = false;
};

}  // namespace test_support
