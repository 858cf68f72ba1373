#include "support/temp_folder.h"

#include "base/unique_handle.h"

#include <windows.h>

#include <atomic>
#include <vector>

namespace test_support {
namespace {

struct FindHandleTraits {
    using Type = HANDLE;
    static Type Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Type h) noexcept { return h != INVALID_HANDLE_VALUE; }
    static void Close(Type h) noexcept { ::FindClose(h); }
};
using UniqueFindHandle = base::UniqueHandle<FindHandleTraits>;

std::string TempRoot()
{
    std::vector<char> buffer(MAX_PATH + 1, '\0');
    const DWORD length = GetTempPathA(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length == 0 || length >= buffer.size()) {
        return {};
    }
    return std::string(buffer.data(), length);  // ends with a backslash
}

void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA entry{};
    UniqueFindHandle find(FindFirstFileA((folder + "\\*").c_str(), &entry));
    if (find) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") {
                continue;
            }
            const std::string path = folder + "\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(find.Get(), &entry));
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

TempFolder::TempFolder()
{
    static std::atomic<unsigned> counter{0};
    const std::string root = TempRoot();
    if (root.empty()) {
        return;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = root + "tolvrin-test-" + std::to_string(GetCurrentProcessId()) +
                                      "-" + std::to_string(GetTickCount()) + "-" +
                                      std::to_string(counter++);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate;
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            return;
        }
    }
}

TempFolder::~TempFolder()
{
    if (!path_.empty()) {
        RemoveTree(path_);
    }
}

bool WriteWholeFile(const std::string& path, const std::string& bytes)
{
    base::UniqueKernelHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return false;
    }
    DWORD written = 0;
    return WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const
{
    if (path_.empty()) {
        return {};
    }
    const std::string path = PathOf(name);
    return WriteWholeFile(path, bytes) ? path : std::string();
}

}  // namespace test_support
