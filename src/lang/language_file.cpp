#include "lang/language_file.h"

#include "text/wide_text.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Mark = "\xFF\xFE";

// GetPrivateProfileStringW's idea of white space: Ctrl-Z, the end mark of old
// text files, counts too.
bool IsIniSpace(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f' || c == 0x1A;
}

std::wstring_view Trimmed(std::wstring_view text)
{
    while (!text.empty() && IsIniSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsIniSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool SameIgnoringCase(std::wstring_view a, std::wstring_view b)
{
    return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()),
                                  TRUE) == CSTR_EQUAL;
}

std::wstring_view Unquoted(std::wstring_view text)
{
    if (text.size() >= 2 && (text.front() == L'"' || text.front() == L'\'') && text.back() == text.front()) {
        return text.substr(1, text.size() - 2);
    }
    return text;
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

std::wstring DecodeLanguageFile(std::string_view bytes, UINT legacyCodePage)
{
    if (bytes.substr(0, kUtf16Mark.size()) == kUtf16Mark) {
        bytes.remove_prefix(kUtf16Mark.size());
        std::wstring text(bytes.size() / 2, L'\0');
        for (std::size_t i = 0; i < text.size(); ++i) {
            text[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                           (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
        }
        return text;
    }
    if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
        return ToWide(bytes.substr(kUtf8Mark.size()), CP_UTF8);
    }
    std::wstring text;
    if (ToWideExactly(bytes, text, CP_UTF8)) {
        return text;
    }
    return ToWide(bytes, legacyCodePage);
}

std::vector<IniEntry> ReadIniSection(std::wstring_view text, std::wstring_view section)
{
    std::vector<IniEntry> entries;
    bool inSection = false;
    bool sectionSeen = false;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of(L"\r\n");
        const std::wstring_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(end == std::wstring_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == L';') {
            continue;
        }
        const std::size_t close = line.find(L']');
        if (line.front() == L'[' && close != std::wstring_view::npos) {
            // Only the first section of the name counts, as for the platform.
            if (inSection) {
                break;
            }
            inSection = !sectionSeen && SameIgnoringCase(line.substr(1, close - 1), section);
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        const std::size_t equals = line.find(L'=');
        if (!inSection || equals == std::wstring_view::npos) {
            continue;
        }
        entries.push_back({std::wstring(Trimmed(line.substr(0, equals))),
                           std::wstring(Unquoted(Trimmed(line.substr(equals + 1))))});
    }
    return entries;
}

const std::wstring* FindIniText(const std::vector<IniEntry>& entries, std::wstring_view key)
{
    for (const IniEntry& entry : entries) {
        if (SameIgnoringCase(entry.key, key)) {
            return &entry.text;
        }
    }
    return nullptr;
}
