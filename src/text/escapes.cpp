#include "text/escapes.h"

namespace {

// Replaces every backslash + `letter` (left to right, not overlapping) by `to`.
std::string ReplaceEscape(const std::string& text, char letter, char to, unsigned int codePage)
{
    std::string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t next = NextCharIndex(text, i, codePage);
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == letter) {
            result += to;
            i += 2;
        } else {
            result.append(text, i, next - i);
            i = next;
        }
    }
    return result;
}

}  // namespace

std::string ExpandEscapes(std::string text, unsigned int codePage)
{
    return ReplaceEscape(ReplaceEscape(text, 'r', '\r', codePage), 'n', '\n', codePage);
}
