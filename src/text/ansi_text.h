// Walking 8-bit text character by character in an ANSI code page, where a
// double-byte character (lead byte + trail byte) counts as one character.
#pragma once

#include <cstddef>
#include <string>

// The system's ANSI code page (CP_ACP). Tests pass a double-byte code page
// such as 932 explicitly, since the test machine's own is single-byte.
constexpr unsigned int kAnsiCodePage = 0;

// Index of the character after the one starting at `index` (at most text.size()).
// A lead byte at the very end, or followed by a zero byte, counts alone, as
// CharNextA does.
std::size_t NextCharIndex(const std::string& text, std::size_t index,
                          unsigned int codePage = kAnsiCodePage);

// First position at or after `from` where `pattern` starts on a character
// boundary, or std::string::npos. A match never begins on a trail byte, so a
// delimiter such as "\" is not found inside a double-byte character whose
// trail byte happens to be 0x5C. An empty pattern is never found.
std::size_t FindInAnsiText(const std::string& text, const std::string& pattern,
                           std::size_t from = 0, unsigned int codePage = kAnsiCodePage);
