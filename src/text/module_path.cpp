#include "text/module_path.h"

#include "text/path_rules.h"

#include <vector>

namespace {

// Long enough for any path: 32,767 UTF-16 units.
constexpr DWORD kLongestModuleFileName = 32768;

}  // namespace

std::wstring ModuleFilePath(HMODULE module)
{
    std::vector<wchar_t> buffer;
    for (DWORD size = MAX_PATH;; size *= 2) {
        buffer.assign(size, L'\0');
        const DWORD length = ::GetModuleFileNameW(module, buffer.data(), size);
        // GetModuleFileNameW returns the buffer size when it had to truncate
        // (XP does not even terminate the text then): retry with more room.
        if (length < size || size >= kLongestModuleFileName) {
            return std::wstring(buffer.data(), length < size ? length : size);
        }
    }
}

std::wstring ModuleFolder(HMODULE module)
{
    return std::wstring(FolderOf(ModuleFilePath(module)));
}

std::wstring LongPathOf(const std::wstring& path)
{
    if (path.empty()) {
        return path;
    }
    std::wstring longPath(MAX_PATH, L'\0');
    for (int attempt = 0; attempt < 3; ++attempt) {
        const DWORD length = ::GetLongPathNameW(path.c_str(), longPath.data(), static_cast<DWORD>(longPath.size()));
        if (length == 0) {
            return path;
        }
        if (length < longPath.size()) {
            longPath.resize(length);
            return longPath;
        }
        longPath.assign(length, L'\0');  // the room it asks for, terminator included
    }
    return path;
}
