// Conversions between 8-bit text in a code page and UTF-16, for the program
// and its tests. (The skin engine keeps its text in UTF-16 and links no C++
// string library: it converts nothing through these.)
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The code page a conversion really takes place in. CP_ACP, CP_THREAD_ACP
// and CP_OEMCP only name one, and which flags WideCharToMultiByte accepts
// depends on the named one: with the UTF-8 code page (GetACP() gives 65001
// where the manifest asks for it, or where the user ticked "Use Unicode UTF-8
// for worldwide language support") a CP_ACP that is compared with CP_UTF8
// unresolved takes the flags of a legacy code page, and every call fails.
inline UINT ResolveCodePage(UINT codePage)
{
    switch (codePage) {
    case CP_ACP:
        return ::GetACP();
    case CP_OEMCP:
        return ::GetOEMCP();
    case CP_THREAD_ACP: {
        // A locale without an ANSI code page (Hindi, for one) gives 0: CP_ACP.
        UINT threadCodePage = 0;
        const int read = ::GetLocaleInfoW(::GetThreadLocale(), LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                                          reinterpret_cast<LPWSTR>(&threadCodePage),
                                          sizeof threadCodePage / sizeof(wchar_t));
        return read != 0 && threadCodePage != 0 ? threadCodePage : ::GetACP();
    }
    default:
        return codePage;
    }
}

// What an exact conversion asks of WideCharToMultiByte and MultiByteToWideChar
// in one code page, by the documented rules of the two calls, which Windows
// enforces (Wine accepts anything): UTF-8 and GB18030 take only the
// invalid-character flags and, for UTF-8, no used-default report; the
// ISO-2022, ISCII, UTF-7 and Symbol code pages take no flags at all; every
// other code page takes no best fit and reports a default character.
struct ExactConversion {
    UINT codePage = 0;         // resolved: never CP_ACP, CP_THREAD_ACP or CP_OEMCP
    DWORD toBytesFlags = 0;    // for WideCharToMultiByte
    DWORD toWideFlags = 0;     // for MultiByteToWideChar
    bool reportsDefault = false;  // passes lpUsedDefaultChar
};

inline ExactConversion ExactConversionFor(UINT codePage)
{
    const UINT resolved = ResolveCodePage(codePage);
    const bool takesNoFlags = resolved == 42 || resolved == CP_UTF7 || (resolved >= 50220 && resolved <= 50229) ||
                              (resolved >= 57002 && resolved <= 57011);
    if (takesNoFlags) {
        return {resolved, 0, 0, false};
    }
    if (resolved == CP_UTF8 || resolved == 54936) {
        return {resolved, WC_ERR_INVALID_CHARS, MB_ERR_INVALID_CHARS, false};
    }
    return {resolved, WC_NO_BEST_FIT_CHARS, MB_ERR_INVALID_CHARS, true};
}

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
    const ExactConversion conversion = ExactConversionFor(codePage);
    const int size = static_cast<int>(text.size());
    const int length =
        ::MultiByteToWideChar(conversion.codePage, conversion.toWideFlags, text.data(), size, nullptr, 0);
    if (length <= 0) {
        return false;
    }
    out.resize(static_cast<std::size_t>(length));
    ::MultiByteToWideChar(conversion.codePage, conversion.toWideFlags, text.data(), size, out.data(), length);
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
    const ExactConversion conversion = ExactConversionFor(codePage);
    const int size = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultOut = conversion.reportsDefault ? &usedDefault : nullptr;
    const int bytes = ::WideCharToMultiByte(conversion.codePage, conversion.toBytesFlags, text.data(), size, nullptr,
                                            0, nullptr, usedDefaultOut);
    if (bytes <= 0 || usedDefault) {
        return false;
    }
    out.resize(static_cast<std::size_t>(bytes));
    ::WideCharToMultiByte(conversion.codePage, conversion.toBytesFlags, text.data(), size, out.data(), bytes,
                          nullptr, nullptr);
    // Without the used-default report, a character the code page lacks shows
    // only on the way back: what converts back to something else was lost.
    std::wstring back;
    if (!conversion.reportsDefault && (!ToWideExactly(out, back, conversion.codePage) || back != text)) {
        out.clear();
        return false;
    }
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
