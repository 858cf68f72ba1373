#include "support/resource_counts.h"

#include <winternl.h>

#include <cstddef>
#include <vector>

namespace test_support {

namespace {

// Wine's layout of a GDI handle table entry (the same size as Windows's).
struct GdiHandleEntry {
    UINT64 object;
    USHORT ownerProcess;
    USHORT ownerCount;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 userPointer;
};
constexpr DWORD kGdiHandleSlots = 0x10000;

DWORD CountGdiHandleTable()
{
    // PEB.GdiSharedHandleTable: not in MinGW's reduced PEB declaration.
    const std::size_t offset = sizeof(void*) == 8 ? 0xF8 : 0x94;
    PROCESS_BASIC_INFORMATION basic{};
    if (::NtQueryInformationProcess(::GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) !=
        0) {
        return 0;
    }
    const auto* peb = reinterpret_cast<const BYTE*>(basic.PebBaseAddress);
    const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + offset);
    if (table == nullptr) {
        return 0;
    }
    DWORD count = 0;
    for (DWORD slot = 0; slot < kGdiHandleSlots; ++slot) {
        if (table[slot].type != 0) {
            ++count;
        }
    }
    return count;
}

BOOL CALLBACK CountWindowAndChildren(HWND window, LPARAM counter)
{
    ++*reinterpret_cast<DWORD*>(counter);
    ::EnumChildWindows(window, CountWindowAndChildren, counter);
    return TRUE;
}

DWORD CountThreadWindows()
{
    DWORD count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), CountWindowAndChildren, reinterpret_cast<LPARAM>(&count));
    return count;
}

struct SystemHandleEntry {
    ULONG ownerProcess;
    BYTE objectType;
    BYTE flags;
    USHORT value;
    PVOID object;
    ULONG access;
};
struct SystemHandleList {
    ULONG count;
    SystemHandleEntry entries[1];
};
constexpr auto kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);

DWORD CountSystemHandleList()
{
    std::vector<BYTE> buffer(1 << 16);
    NTSTATUS status;
    ULONG needed = 0;
    while ((status = ::NtQuerySystemInformation(kSystemHandleInformation, buffer.data(),
                                                static_cast<ULONG>(buffer.size()), &needed)) == kInfoLengthMismatch) {
        buffer.resize(buffer.size() * 2);
    }
    if (status != 0) {
        return 0;
    }
    const auto* list = reinterpret_cast<const SystemHandleList*>(buffer.data());
    const DWORD self = ::GetCurrentProcessId();
    DWORD count = 0;
    for (ULONG i = 0; i < list->count; ++i) {
        if (list->entries[i].ownerProcess == self) {
            ++count;
        }
    }
    return count;
}

}  // namespace

ResourceCounts CurrentResourceCounts()
{
    ResourceCounts counts;
    const HANDLE self = ::GetCurrentProcess();
    counts.gdiObjects = ::GetGuiResources(self, GR_GDIOBJECTS);
    counts.userObjects = ::GetGuiResources(self, GR_USEROBJECTS);
    ::GetProcessHandleCount(self, &counts.handles);
    if (counts.gdiObjects == 0) {
        counts.gdiObjects = CountGdiHandleTable();
    }
    if (counts.userObjects == 0) {
        counts.userObjects = CountThreadWindows();
    }
    if (counts.handles == 0) {
        counts.handles = CountSystemHandleList();
    }
    return counts;
}

}  // namespace test_support
