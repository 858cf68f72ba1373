#include "skin/config_file_bytes.h"

#include <windows.h>

#include <algorithm>

#include "ui/unique_handle.h"

std::optional<std::string> ReadConfigFileBytes(const std::wstring& path, std::size_t maxBytes)
{
    // Shared for writing and deleting, so that an editor saving the file
    // meanwhile is never refused. SECURITY_IDENTIFICATION: should the path
    // ever reach a pipe, its server may not act as this user.
    const ui::UniqueKernelHandle file(::CreateFileW(path.c_str(), GENERIC_READ,
                                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                    OPEN_EXISTING,
                                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN |
                                                        SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION,
                                                    nullptr));
    // A read from a serial port or a console can wait for ever.
    if (!file || ::GetFileType(file.Get()) != FILE_TYPE_DISK) {
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
        return std::nullopt;
    }
    // Read up to one byte beyond the bound: a file that grew past it since
    // its size was taken is refused as well.
    const std::size_t limit = maxBytes + 1;
    std::string bytes(std::min(static_cast<std::size_t>(size.QuadPart) + 1, limit), '\0');
    std::size_t total = 0;
    while (total < limit) {
        if (total == bytes.size()) {
            bytes.resize(std::min(limit, bytes.size() * 2));
        }
        const std::size_t wanted = std::min<std::size_t>(bytes.size() - total, 1u << 16);
        DWORD read = 0;
        if (!::ReadFile(file.Get(), bytes.data() + total, static_cast<DWORD>(wanted), &read, nullptr)) {
            return std::nullopt;
        }
        if (read == 0) {
            break;
        }
        total += read;
    }
    if (total > maxBytes) {
        return std::nullopt;
    }
    bytes.resize(total);
    return bytes;
}
