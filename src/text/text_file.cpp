#include "text/text_file.h"

namespace {

bool StartsWith(const char* bytes, std::size_t size, const char* mark, std::size_t markSize)
{
    if (size < markSize) {
        return false;
    }
    for (std::size_t i = 0; i < markSize; ++i) {
        if (bytes[i] != mark[i]) {
            return false;
        }
    }
    return true;
}

std::size_t DecodeUtf16(const char* bytes, std::size_t size, bool bigEndian, wchar_t* text, std::size_t capacity)
{
    const std::size_t length = size / 2;
    if (text == nullptr || capacity < length) {
        return length;
    }
    for (std::size_t i = 0; i < length; ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        text[i] = static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    return length;
}

// 0 when `flags` refuse the bytes (or there are none).
std::size_t Decode8Bit(UINT codePage, DWORD flags, const char* bytes, std::size_t size, wchar_t* text,
                       std::size_t capacity)
{
    if (size == 0 || size > 0x7FFFFFFF) {
        return 0;
    }
    const int count = static_cast<int>(size);
    const int length = ::MultiByteToWideChar(codePage, flags, bytes, count, nullptr, 0);
    if (length <= 0 || text == nullptr || capacity < static_cast<std::size_t>(length)) {
        return length > 0 ? static_cast<std::size_t>(length) : 0;
    }
    const int written = ::MultiByteToWideChar(codePage, flags, bytes, count, text, length);
    return written > 0 ? static_cast<std::size_t>(written) : 0;
}

}  // namespace

UINT LegacyAnsiCodePage()
{
    UINT codePage = 0;
    const int read = ::GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                                      reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(wchar_t));
    // A system locale with no ANSI code page of its own (Hindi, for one)
    // leaves programs without Unicode in the Western one.
    return read != 0 && codePage != 0 ? codePage : 1252;
}

std::size_t DecodeTextFile(const char* bytes, std::size_t size, UINT legacyCodePage, wchar_t* text,
                           std::size_t capacity)
{
    if (StartsWith(bytes, size, "\xFF\xFE", 2) || StartsWith(bytes, size, "\xFE\xFF", 2)) {
        return DecodeUtf16(bytes + 2, size - 2, bytes[0] == '\xFE', text, capacity);
    }
    if (StartsWith(bytes, size, "\xEF\xBB\xBF", 3)) {
        return Decode8Bit(CP_UTF8, 0, bytes + 3, size - 3, text, capacity);
    }
    if (size == 0) {
        return 0;
    }
    // A legacy file is hardly ever valid UTF-8 by chance: its letters beyond
    // ASCII would have to come in exactly UTF-8's lead and trail patterns.
    if (const std::size_t length = Decode8Bit(CP_UTF8, MB_ERR_INVALID_CHARS, bytes, size, text, capacity)) {
        return length;
    }
    return Decode8Bit(legacyCodePage, 0, bytes, size, text, capacity);
}
