// A window a test created, destroyed when its owner goes (unless it is gone
// already): the move-only owner of src/base/unique_handle.h for an HWND.
#pragma once

#include <windows.h>

#include "base/unique_handle.h"

namespace test_support {

struct OwnedWindowTraits {
    using Type = HWND;
    static Type Invalid() noexcept { return nullptr; }
    static bool IsValid(Type window) noexcept { return window != nullptr; }
    // The test may have destroyed it itself, or its parent took it along.
    static void Close(Type window) noexcept
    {
        if (::IsWindow(window)) {
            ::DestroyWindow(window);
        }
    }
};

using OwnedWindow = base::UniqueHandle<OwnedWindowTraits>;

}  // namespace test_support
