// Opening and reading files that come from outside (skins, their pictures)
// only when they are files on a disk or a share: never a device, a pipe or a
// console, whatever their path says or where it leads.
// No exceptions and no C++ string library: the skin engine uses it too.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <optional>

#include "base/unique_handle.h"

namespace base {

// `path` opened for reading with `shareMode`, or no handle. A path that
// NamesDevice is refused before anything is opened; a handle that is not a
// disk file (GetFileType, asked before any read: a path may still lead to a
// device through a link) is closed again.
UniqueKernelHandle OpenDiskFile(const wchar_t* path, DWORD shareMode);

struct FileBytes {
    std::unique_ptr<BYTE[]> bytes;
    std::size_t size = 0;
};

// The whole of `file` (from its start) when it holds at most `largest` bytes;
// nothing for a larger file, one that changes size while it is read, a failed
// read or no memory.
std::optional<FileBytes> ReadSmallFile(HANDLE file, std::size_t largest);

}  // namespace base
