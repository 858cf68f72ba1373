#include "text/ini_text.h"

#include <windows.h>

namespace {

// The profile calls' white space: Ctrl+Z too, which old editors left at the
// end of a file.
bool IsSpace(wchar_t c)
{
    return c == L' ' || (c >= L'\t' && c <= L'\r') || c == 0x1A;
}

// The profile calls fold the letter case of every script, as the file
// system does: "[Ü]" is "[ü]".
bool EqualsIgnoringCase(TextSpan a, TextSpan b)
{
    return ::CompareStringOrdinal(a.text, static_cast<int>(a.length), b.text, static_cast<int>(b.length), TRUE) ==
           CSTR_EQUAL;
}

TextSpan Trimmed(const wchar_t* begin, const wchar_t* end)
{
    while (begin < end && IsSpace(*begin)) {
        ++begin;
    }
    while (end > begin && IsSpace(end[-1])) {
        --end;
    }
    return TextSpan{begin, static_cast<std::size_t>(end - begin)};
}

const wchar_t* Find(const wchar_t* begin, const wchar_t* end, wchar_t c)
{
    for (const wchar_t* at = begin; at < end; ++at) {
        if (*at == c) {
            return at;
        }
    }
    return nullptr;
}

// One line of the file after another, trimmed: a line ends at "\n" or at
// "\r", alone or not.
class Lines {
public:
    Lines(const wchar_t* text, std::size_t length) : next_(text), end_(text + length) {}

    bool Next(TextSpan& line)
    {
        while (next_ < end_) {
            const wchar_t* start = next_;
            while (next_ < end_ && *next_ != L'\n' && *next_ != L'\r') {
                ++next_;
            }
            line = Trimmed(start, next_);
            if (next_ < end_) {
                ++next_;
            }
            if (line.length != 0) {
                return true;
            }
        }
        return false;
    }

private:
    const wchar_t* next_;
    const wchar_t* end_;
};

// The name of a "[name]" line: what lies between "[" and the last "]",
// trimmed.
std::optional<TextSpan> SectionName(TextSpan line)
{
    if (line.text[0] != L'[') {
        return std::nullopt;
    }
    for (std::size_t close = line.length - 1; close > 0; --close) {
        if (line.text[close] == L']') {
            return Trimmed(line.text + 1, line.text + close);
        }
    }
    return std::nullopt;
}

// A name asked for, trimmed as the profile calls trim it.
TextSpan AskedName(const wchar_t* name)
{
    const wchar_t* end = name;
    while (*end != L'\0') {
        ++end;
    }
    return Trimmed(name, end);
}

// "'text'" and "\"text\"" lose their quotes; a lone quote stays.
TextSpan WithoutQuotes(TextSpan value)
{
    if (value.length >= 2 && (value.text[0] == L'"' || value.text[0] == L'\'') &&
        value.text[value.length - 1] == value.text[0]) {
        return TextSpan{value.text + 1, value.length - 2};
    }
    return value;
}

}  // namespace

bool IniText::HasSection(const wchar_t* section) const
{
    const TextSpan asked = AskedName(section);
    Lines lines(text_, length_);
    TextSpan line;
    while (lines.Next(line)) {
        const auto name = SectionName(line);
        if (name && EqualsIgnoringCase(*name, asked)) {
            return true;
        }
    }
    return false;
}

std::optional<TextSpan> IniText::Value(const wchar_t* section, const wchar_t* key) const
{
    const TextSpan askedSection = AskedName(section);
    const TextSpan askedKey = AskedName(key);
    Lines lines(text_, length_);
    TextSpan line;
    // Lines before the first section header form a section with no name.
    bool inSection = askedSection.length == 0;
    while (lines.Next(line)) {
        if (const auto name = SectionName(line)) {
            // Only the first section of the name is read.
            if (inSection) {
                return std::nullopt;
            }
            inSection = EqualsIgnoringCase(*name, askedSection);
            continue;
        }
        if (!inSection || line.text[0] == L';') {
            continue;
        }
        const wchar_t* lineEnd = line.text + line.length;
        const wchar_t* equals = Find(line.text, lineEnd, L'=');
        if (!EqualsIgnoringCase(Trimmed(line.text, equals != nullptr ? equals : lineEnd), askedKey)) {
            continue;
        }
        // The first of equal keys counts, even one without a value.
        if (equals == nullptr) {
            return std::nullopt;
        }
        return WithoutQuotes(Trimmed(equals + 1, lineEnd));
    }
    return std::nullopt;
}
