// Walking 8-bit text character by character in an ANSI code page, where a
// double-byte character (lead byte + trail byte) or a UTF-8 sequence counts
// as one character.
#pragma once

#include <cstddef>
#include <string>

// The process's ANSI code page (CP_ACP): UTF-8 where the manifest's code page
// holds, the system's legacy one elsewhere. Tests pass a double-byte code
// page such as 932, or 65001, explicitly.
constexpr unsigned int kAnsiCodePage = 0;

// Index of the character after the one starting at `index` (at most text.size()).
// A lead byte at the very end, or followed by a zero byte, counts alone, as
// CharNextA does; so does, in UTF-8, a byte that begins no whole sequence.
std::size_t NextCharIndex(const std::string& text, std::size_t index,
                          unsigned int codePage = kAnsiCodePage);

// First position at or after `from` where `pattern` starts on a character
// boundary, or std::string::npos. A match never begins on a trail byte, so a
// delimiter such as "\" is not found inside a double-byte character whose
// trail byte happens to be 0x5C. An empty pattern is never found.
std::size_t FindInAnsiText(const std::string& text, const std::string& pattern,
                           std::size_t from = 0, unsigned int codePage = kAnsiCodePage);

// The length of the longest beginning of `text` that ends on a character
// boundary and holds at most `maxBytes` bytes: where a text is cut to fit a
// fixed buffer, no character is split.
std::size_t WholeCharactersWithin(const std::string& text, std::size_t maxBytes,
                                  unsigned int codePage = kAnsiCodePage);

// The length of `text` without a last character that was cut short (a lead
// byte alone at the end, or the beginning of a UTF-8 sequence): what is left
// of a text that a fixed buffer cut, where the cut may have split a character.
std::size_t LengthWithoutCutCharacter(const std::string& text, unsigned int codePage = kAnsiCodePage);
