// The two escapes a language text may hold, since a text is one INI line.
#pragma once

#include "text/ansi_text.h"

#include <string>

// Turns every backslash + "r" into a carriage return, then every backslash +
// "n" into a line feed, left to right. Case-sensitive; any other backslash
// stays as it is. The two passes run in that order, so "\\n" (backslash,
// backslash, n) gives a backslash and a line feed. Only a backslash that is a
// character of its own counts: 0x5C is also the trail byte of some
// double-byte characters.
std::string ExpandEscapes(std::string text, unsigned int codePage = kAnsiCodePage);
