// Conversions between 8-bit text in a code page and UTF-16, shared by the
// program, the skin engine and the tests. Header-only: the engine DLL links
// none of the program's libraries.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// 8-bit text in `codePage` (the ANSI code page by default) as UTF-16.
inline std::wstring ToWide(std::string_view text, UINT codePage = CP_ACP)
{
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(length > 0 ? static_cast<std::size_t>(length) : 0, L'\0');
    if (length > 0) {
        ::MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    }
    return wide;
}

// 8-bit text in `codePage` as UTF-16, but only when every byte sequence is
// one the code page defines: true and `out` set, or false and `out` cleared.
inline bool ToWideExactly(std::string_view text, std::wstring& out, UINT codePage = CP_ACP)
{
    out.clear();
    if (text.empty()) {
        return true;
    }
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (length <= 0) {
        return false;
    }
    out.resize(static_cast<std::size_t>(length));
    ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, out.data(), length);
    return true;
}

// UTF-16 text in `codePage`, but only when every character survives: true and
// `out` set, or false and `out` cleared. No best fit, which would quietly
// turn "Łódź" into "Lodz" or a password's letter into another one.
inline bool ToCodePageExactly(std::wstring_view text, std::string& out, UINT codePage = CP_ACP)
{
    out.clear();
    if (text.empty()) {
        return true;
    }
    const int size = static_cast<int>(text.size());
    // UTF-8 and UTF-7 take neither flags nor a default-character report;
    // they hold every character except a lone surrogate.
    const bool unicodePage = codePage == CP_UTF8 || codePage == CP_UTF7;
    const DWORD flags = unicodePage ? WC_ERR_INVALID_CHARS * (codePage == CP_UTF8) : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = unicodePage ? nullptr : &usedDefault;
    const int bytes = ::WideCharToMultiByte(codePage, flags, text.data(), size, nullptr, 0, nullptr,
                                            usedDefaultOut);
    if (bytes <= 0 || usedDefault) {
        return false;
    }
    out.resize(static_cast<std::size_t>(bytes));
    ::WideCharToMultiByte(codePage, flags, text.data(), size, out.data(), bytes, nullptr, nullptr);
    return true;
}

// UTF-16 text in `codePage` as best it goes: what the code page lacks comes
// out as its best fit or its default character. For text that is only shown.
inline std::string ToCodePage(std::wstring_view text, UINT codePage = CP_ACP)
{
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int bytes = ::WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(bytes > 0 ? static_cast<std::size_t>(bytes) : 0, '\0');
    if (bytes > 0) {
        ::WideCharToMultiByte(codePage, 0, text.data(), size, out.data(), bytes, nullptr, nullptr);
    }
    return out;
}
