#include "text/device_path.h"

#include <cstddef>

namespace {

bool IsSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

wchar_t AsciiUpper(wchar_t c)
{
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

// `text` (`length` characters) equals the upper-case ASCII `name`, in any case.
bool EqualsName(const wchar_t* text, std::size_t length, const char* name)
{
    std::size_t i = 0;
    for (; i < length && name[i] != '\0'; ++i) {
        if (AsciiUpper(text[i]) != static_cast<wchar_t>(name[i])) {
            return false;
        }
    }
    return i == length && name[i] == '\0';
}

// Windows takes "COM1" to "COM9" and "LPT1" to "LPT9" as ports, and COM0,
// LPT0 and the superscript digits ¹ ² ³ on some versions.
bool IsPortDigit(wchar_t c)
{
    return (c >= L'0' && c <= L'9') || c == L'\u00B9' || c == L'\u00B2' || c == L'\u00B3';
}

// One part of a path, between separators, as Windows reads a device name in
// it: trailing spaces and dots go, then whatever follows the first dot or
// colon (an extension, a stream), then the spaces before it.
bool IsDosDeviceName(const wchar_t* part, std::size_t length)
{
    while (length > 0 && (part[length - 1] == L' ' || part[length - 1] == L'.')) {
        --length;
    }
    for (std::size_t i = 0; i < length; ++i) {
        if (part[i] == L'.' || part[i] == L':') {
            length = i;
            break;
        }
    }
    while (length > 0 && part[length - 1] == L' ') {
        --length;
    }
    static constexpr const char* kNames[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"};
    for (const char* name : kNames) {
        if (EqualsName(part, length, name)) {
            return true;
        }
    }
    return length == 4 && (EqualsName(part, 3, "COM") || EqualsName(part, 3, "LPT")) && IsPortDigit(part[3]);
}

// "\\.\", "\\?\" and "\??\" (with either slash, or the prefix alone): the
// Win32 and NT device namespaces, where any device, or any object of the
// object manager (\\?\GLOBALROOT\...), has a path.
bool IsDeviceNamespace(const wchar_t* path)
{
    const bool win32 = IsSeparator(path[0]) && IsSeparator(path[1]) && (path[2] == L'.' || path[2] == L'?');
    const bool nt = IsSeparator(path[0]) && path[1] == L'?' && path[2] == L'?';
    return (win32 || nt) && (path[3] == L'\0' || IsSeparator(path[3]));
}

std::size_t PartLength(const wchar_t* part)
{
    std::size_t length = 0;
    while (part[length] != L'\0' && !IsSeparator(part[length])) {
        ++length;
    }
    return length;
}

// "\\server\pipe\..." and "\\server\mailslot\..." open a server's pipes and
// mailslots, the local ones too ("\\localhost\pipe\name").
bool IsPipeOrMailslotShare(const wchar_t* path)
{
    if (!IsSeparator(path[0]) || !IsSeparator(path[1])) {
        return false;
    }
    const wchar_t* server = path + 2;
    const std::size_t serverLength = PartLength(server);
    if (server[serverLength] == L'\0') {
        return false;
    }
    const wchar_t* share = server + serverLength + 1;
    std::size_t shareLength = PartLength(share);
    while (shareLength > 0 && (share[shareLength - 1] == L' ' || share[shareLength - 1] == L'.')) {
        --shareLength;
    }
    return EqualsName(share, shareLength, "PIPE") || EqualsName(share, shareLength, "MAILSLOT");
}

}  // namespace

bool NamesDevice(const wchar_t* path)
{
    if (path == nullptr || path[0] == L'\0') {
        return false;
    }
    if (path[1] != L'\0' && path[2] != L'\0' && IsDeviceNamespace(path)) {
        return true;
    }
    if (IsPipeOrMailslotShare(path)) {
        return true;
    }
    for (const wchar_t* part = path; *part != L'\0';) {
        const std::size_t length = PartLength(part);
        if (length != 0 && IsDosDeviceName(part, length)) {
            return true;
        }
        part += length;
        while (IsSeparator(*part)) {
            ++part;
        }
    }
    return false;
}
