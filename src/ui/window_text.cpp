#include "ui/window_text.h"

#include <vector>

bool ReadWindowText(ui::Window window, std::string& text)
{
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) {
        text.clear();
        return true;
    }
    // GetWindowTextLengthA may count more than GetWindowTextA copies (it can
    // over-estimate double-byte text): keep only what was copied. With room
    // for the whole length, copying less is no failure; copying nothing is.
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, buffer.data(), length + 1);
    text.assign(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return copied > 0;
}

std::string WindowText(ui::Window window)
{
    std::string text;
    ReadWindowText(window, text);
    return text;
}

bool ReadWindowTextW(ui::Window window, std::wstring& text)
{
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) {
        text.clear();
        return true;
    }
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, buffer.data(), length + 1);
    text.assign(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return copied > 0;
}

std::string ui::Window::Text() const
{
    return WindowText(*this);
}
