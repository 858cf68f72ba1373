#include "text/ansi_text.h"

#include <windows.h>

std::size_t NextCharIndex(const std::string& text, std::size_t index, unsigned int codePage)
{
    if (index >= text.size()) {
        return text.size();
    }
    // Not CharNextExA: it stops at a zero byte, and a std::string may hold one.
    const auto lead = static_cast<BYTE>(text[index]);
    if (index + 1 < text.size() && text[index + 1] != '\0' && IsDBCSLeadByteEx(codePage, lead)) {
        return index + 2;
    }
    return index + 1;
}

std::size_t FindInAnsiText(const std::string& text, const std::string& pattern, std::size_t from,
                           unsigned int codePage)
{
    if (pattern.empty()) {
        return std::string::npos;
    }
    // `from` must itself be a character boundary; callers pass 0 or a value
    // they got from this walk.
    for (std::size_t i = from; i < text.size(); i = NextCharIndex(text, i, codePage)) {
        if (text.compare(i, pattern.size(), pattern) == 0) {
            return i;
        }
    }
    return std::string::npos;
}
