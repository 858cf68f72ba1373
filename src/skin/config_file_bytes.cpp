#include "skin/config_file_bytes.h"

#include <windows.h>

#include "base/disk_file.h"

std::optional<std::string> ReadConfigFileBytes(const std::wstring& path, std::size_t maxBytes)
{
    // Shared for writing and deleting, so that an editor saving the file
    // meanwhile is never refused.
    const base::UniqueKernelHandle file =
        base::OpenDiskFile(path.c_str(), FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    if (!file) {
        return std::nullopt;
    }
    const std::optional<base::FileBytes> contents = base::ReadSmallFile(file.Get(), maxBytes);
    if (!contents) {
        return std::nullopt;
    }
    return std::string(reinterpret_cast<const char*>(contents->bytes.get()), contents->size);
}
