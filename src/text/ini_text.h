// An INI file's text, read from memory as GetPrivateProfileStringW reads it
// from the disk: the skin engine and the language table read a file once,
// instead of letting the profile calls parse the whole file again for every
// key. Built without exceptions and without the C++ string library, for the
// skin engine.
#pragma once

#include <cstddef>
#include <optional>

struct TextSpan {
    const wchar_t* text = nullptr;
    std::size_t length = 0;
};

// The profile calls' rules, for `length` characters of `text`: lines end at
// "\n" or "\r"; spaces, tabs and Ctrl+Z are
// trimmed around lines, section names, keys and values, also around the
// names asked for; "[name]" starts a section (whatever follows the last "]"
// is ignored), and lines before the first one form a section named "";
// "key=value" lines, or a bare "key", which has no value and hides a later
// one; lines starting with ";" are comments. Section and key names match in
// any letter case (Unicode's, not only ASCII's), and only in the first
// section of that name; the first of equal keys counts.
class IniText {
public:
    IniText(const wchar_t* text, std::size_t length) : text_(text), length_(length) {}

    bool HasSection(const wchar_t* section) const;
    // The value of `key` in `section`, one matching pair of quotes around it
    // (" or ') taken off; "" for "key=". Nothing when the section or the key
    // is missing, or the key's first line has no "=".
    std::optional<TextSpan> Value(const wchar_t* section, const wchar_t* key) const;

private:
    const wchar_t* text_;
    std::size_t length_;
};
