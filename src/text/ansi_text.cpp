#include "text/ansi_text.h"

#include <windows.h>

#include "text/wide_text.h"

namespace {

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The length of a UTF-8 sequence by its first byte; 1 for a byte that begins
// none (a continuation byte or one never used), which then counts alone.
std::size_t Utf8SequenceLength(char first)
{
    const auto lead = static_cast<unsigned char>(first);
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 1;
}

}  // namespace

std::size_t NextCharIndex(const std::string& text, std::size_t index, unsigned int codePage)
{
    if (index >= text.size()) {
        return text.size();
    }
    // IsDBCSLeadByteEx knows no UTF-8 (it is no double-byte code page), and
    // CP_ACP is UTF-8 where the manifest's code page holds.
    const UINT resolved = ResolveCodePage(codePage);
    if (resolved == CP_UTF8) {
        const std::size_t length = Utf8SequenceLength(text[index]);
        for (std::size_t i = 1; i < length; ++i) {
            if (index + i >= text.size() || !IsContinuationByte(text[index + i])) {
                return index + 1;  // a sequence cut short: its lead byte alone
            }
        }
        return index + length;
    }
    // Not CharNextExA: it stops at a zero byte, and a std::string may hold one.
    const auto lead = static_cast<BYTE>(text[index]);
    if (index + 1 < text.size() && text[index + 1] != '\0' && IsDBCSLeadByteEx(resolved, lead)) {
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

std::size_t WholeCharactersWithin(const std::string& text, std::size_t maxBytes, unsigned int codePage)
{
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = NextCharIndex(text, end, codePage);
        if (next > maxBytes) {
            break;
        }
        end = next;
    }
    return end;
}

std::size_t LengthWithoutCutCharacter(const std::string& text, unsigned int codePage)
{
    const UINT resolved = ResolveCodePage(codePage);
    if (resolved == CP_UTF8) {
        // Back over at most three continuation bytes to the last lead byte:
        // cut short when it promises more bytes than follow it.
        std::size_t lead = text.size();
        for (int back = 0; lead > 0 && back < 4; ++back) {
            --lead;
            if (!IsContinuationByte(text[lead])) {
                return Utf8SequenceLength(text[lead]) > text.size() - lead ? lead : text.size();
            }
        }
        return text.size();
    }
    // Forwards: a trail byte may look like a lead byte.
    std::size_t last = text.size();
    for (std::size_t i = 0; i < text.size(); i = NextCharIndex(text, i, resolved)) {
        last = i;
    }
    const bool leadAlone = last + 1 == text.size() && IsDBCSLeadByteEx(resolved, static_cast<BYTE>(text[last]));
    return leadAlone ? last : text.size();
}
