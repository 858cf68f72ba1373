#include "lang/window_text.h"

#include <vector>

std::string WindowText(HWND window)
{
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) {
        return {};
    }
    // GetWindowTextLengthA may count more than GetWindowTextA copies (it can
    // over-estimate double-byte text): keep only what was copied.
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, buffer.data(), length + 1);
    if (copied <= 0) {
        return {};
    }
    return std::string(buffer.data(), static_cast<std::size_t>(copied));
}
