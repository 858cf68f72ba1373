// The current process's GDI objects, USER objects and kernel handles, for
// tests that look for leaks. Windows answers GetGuiResources and
// GetProcessHandleCount; Wine 8 answers 0 to both, so there the counts come
// from what Wine does keep: the GDI handle table the PEB points to, the
// system's handle list (NtQuerySystemInformation), and, for USER objects, the
// windows of the calling thread (Wine's menus and icons cannot be counted).
#pragma once

#include <windows.h>

namespace test_support {

struct ResourceCounts {
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    DWORD handles = 0;
};

ResourceCounts CurrentResourceCounts();

}  // namespace test_support
