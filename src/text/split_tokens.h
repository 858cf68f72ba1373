// The general tokeniser: splits 8-bit text at any of several delimiter strings.
#pragma once

#include "text/ansi_text.h"

#include <string>
#include <vector>

// Splits `text` at every occurrence of any delimiter, searching from the left.
// Where two delimiters start at the same position the later one in the list
// wins. With `skipEmpty` false the result has exactly one token more than
// there were delimiter occurrences (an empty text gives one empty token); with
// `skipEmpty` true empty tokens are dropped. Delimiters only match on
// character boundaries of the ANSI code page. Empty delimiters are ignored
// (they would match everywhere and never advance).
std::vector<std::string> SplitTokens(const std::string& text,
                                     const std::vector<std::string>& delimiters, bool skipEmpty,
                                     unsigned int codePage = kAnsiCodePage);
