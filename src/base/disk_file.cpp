#include "base/disk_file.h"

#include <new>

#include "text/device_path.h"

namespace base {

UniqueKernelHandle OpenDiskFile(const wchar_t* path, DWORD shareMode)
{
    if (path == nullptr || path[0] == L'\0' || NamesDevice(path)) {
        return {};
    }
    // SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION: should the path still
    // reach a pipe, its server may learn who opened it but never act as them.
    UniqueKernelHandle file(::CreateFileW(path, GENERIC_READ, shareMode, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION,
                                          nullptr));
    if (file && ::GetFileType(file.Get()) != FILE_TYPE_DISK) {
        file.Reset();
    }
    return file;
}

std::optional<FileBytes> ReadSmallFile(HANDLE file, std::size_t largest)
{
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file, &size) || size.QuadPart < 0 || static_cast<unsigned long long>(size.QuadPart) > largest ||
        largest >= MAXDWORD) {
        return std::nullopt;
    }
    // One byte more than the file holds: a file that grows while it is read
    // fills it, and is refused rather than taken half-written.
    const DWORD expected = static_cast<DWORD>(size.QuadPart);
    const DWORD capacity = expected + 1;
    FileBytes contents;
    contents.bytes.reset(new (std::nothrow) BYTE[capacity]);
    if (!contents.bytes) {
        return std::nullopt;
    }
    // ReadFile may return less than asked before the end (a share does):
    // read on until it returns nothing.
    for (;;) {
        DWORD read = 0;
        const DWORD wanted = capacity - static_cast<DWORD>(contents.size);
        if (!::ReadFile(file, contents.bytes.get() + contents.size, wanted, &read, nullptr)) {
            return std::nullopt;
        }
        if (read == 0) {
            break;
        }
        contents.size += read;
        if (contents.size > expected) {
            return std::nullopt;
        }
    }
    return contents;
}

}  // namespace base
