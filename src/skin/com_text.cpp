#include "skin/com_text.h"

#include <climits>

std::wstring AnsiToWide(const std::string& text)
{
    if (text.empty() || text.size() > INT_MAX) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) {
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
    }
    return wide;
}

std::string WideToAnsi(const wchar_t* text, std::size_t length)
{
    if (text == nullptr || length == 0 || length > INT_MAX) {
        return {};
    }
    const int size = static_cast<int>(length);
    const int bytes = ::WideCharToMultiByte(CP_ACP, 0, text, size, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) {
        ::WideCharToMultiByte(CP_ACP, 0, text, size, ansi.data(), bytes, nullptr, nullptr);
    }
    return ansi;
}

UniqueBstr WideToBstr(const std::wstring& text)
{
    return UniqueBstr(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
}

UniqueBstr AnsiToBstr(const std::string& text)
{
    return WideToBstr(AnsiToWide(text));
}
