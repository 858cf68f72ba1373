// Whether a format text from the language file may be handed to wvsprintfA
// with the countdown's four arguments: the action's name, hours, minutes and
// seconds. wvsprintfA trusts its format, and the language file is the user's
// to edit: a format that asks for other arguments would read past them.
#pragma once

#include <cstddef>
#include <string>

// Safe when the conversions, in order, ask for a prefix of (string, integer,
// integer, integer): "%s in %d:%02d:%02d", "%s", "%s %d" and a text without
// any conversion are; "%%" is a literal. A conversion follows wvsprintfA's
// own grammar, %[-][0][width][.precision][l|h]type: at most one "-" and one
// "0", in that order, a width and a precision of at most four digits, then
// "s" or "hs" for the string, or "d", "i", "u", "x", "X" (optionally after
// "l") for an integer. Anything else is unsafe: "*", wide strings, "%c",
// "%n", "%p", "%I64d", an unknown letter, a lone "%" at the end; the flags
// "+" and " " and flags out of order, which end wvsprintfA's conversion early
// (it prints the rest as text and every later conversion reads the argument
// meant for the one before); and the "#" flag, which wvsprintfA miscounts (it
// reserves two characters for a "0x" prefix even where it writes none, which
// near the end of its 1,024-character buffer runs past it).
// `namePrecision`, when given, receives the precision of the string's
// conversion ("%.5s": 5), or std::string::npos when it has none: wvsprintfA
// counts it in bytes, and would cut a name inside a multibyte character.
bool IsSafeInformationFormat(const std::string& format, std::size_t* namePrecision = nullptr);
