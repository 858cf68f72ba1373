// Move-only owners for the kernel, GDI, user and registry handles the program
// and the skin engine hold.
// Each owner releases its handle exactly once; copying is impossible.
#pragma once

#include <windows.h>

#include <utility>

namespace base {

template <typename Traits>
class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Type handle) noexcept : handle_(handle) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Type Get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return Traits::IsValid(handle_); }

    Type Release() noexcept { return std::exchange(handle_, Traits::Invalid()); }

    void Reset(Type handle = Traits::Invalid()) noexcept
    {
        Type old = std::exchange(handle_, handle);
        if (Traits::IsValid(old)) {
            Traits::Close(old);
        }
    }

private:
    Type handle_ = Traits::Invalid();
};

struct KernelHandleTraits {
    using Type = HANDLE;
    static Type Invalid() noexcept { return nullptr; }
    // Some kernel calls report failure as INVALID_HANDLE_VALUE, others as null.
    static bool IsValid(Type h) noexcept { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(Type h) noexcept { ::CloseHandle(h); }
};

// A handle whose "none" is null, released by the one call `kRelease`.
template <typename HandleType, auto kRelease>
struct NullHandleTraits {
    using Type = HandleType;
    static Type Invalid() noexcept { return nullptr; }
    static bool IsValid(Type h) noexcept { return h != nullptr; }
    static void Close(Type h) noexcept { kRelease(h); }
};

template <typename GdiType>
using GdiObjectTraits = NullHandleTraits<GdiType, &::DeleteObject>;
using MenuTraits = NullHandleTraits<HMENU, &::DestroyMenu>;
// Only for icons the program made or loaded with LoadImage without LR_SHARED;
// shared icons (LoadIcon) must never be destroyed.
using IconTraits = NullHandleTraits<HICON, &::DestroyIcon>;
using RegistryKeyTraits = NullHandleTraits<HKEY, &::RegCloseKey>;
// A memory device context (CreateCompatibleDC); a window's DC is a WindowDc.
using MemoryDcTraits = NullHandleTraits<HDC, &::DeleteDC>;

using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueRegistryKey = UniqueHandle<RegistryKeyTraits>;
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;

}  // namespace base
