#include "countdown/information_format.h"

#include <cstddef>

namespace {

enum class Argument { String, Integer };

constexpr Argument kArguments[] = {Argument::String, Argument::Integer, Argument::Integer, Argument::Integer};
constexpr std::size_t kArgumentCount = sizeof kArguments / sizeof kArguments[0];

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A width or precision is parsed into an int by wvsprintfA, which does not
// guard against overflow; nothing wider than its 1,024-character output makes
// sense anyway.
constexpr int kMaxNumberDigits = 4;

bool SkipNumber(const char*& p, std::size_t* value = nullptr)
{
    int digits = 0;
    std::size_t number = 0;
    while (IsDigit(*p)) {
        number = digits < kMaxNumberDigits ? number * 10 + static_cast<std::size_t>(*p - '0') : number;
        ++p;
        ++digits;
    }
    if (value != nullptr) {
        *value = number;
    }
    return digits <= kMaxNumberDigits;
}

bool IsIntegerConversion(char c)
{
    return c == 'd' || c == 'i' || c == 'u' || c == 'x' || c == 'X';
}

// Reads one conversion after its "%"; false when it is not one of ours.
bool ReadConversion(const char*& p, Argument& argument, std::size_t& precision)
{
    precision = std::string::npos;
    // wvsprintfA reads its flags in a fixed order, each at most once: "-",
    // then "#" (refused: see the header), then "0". Any other character,
    // "+" and " " among them, is taken for the conversion's type.
    if (*p == '-') {
        ++p;
    }
    if (*p == '0') {
        ++p;
    }
    if (!SkipNumber(p)) {
        return false;
    }
    if (*p == '.') {
        ++p;
        if (!SkipNumber(p, &precision)) {
            return false;
        }
    }
    if (*p == 'h') {
        ++p;
        if (*p != 's') {
            return false;
        }
        argument = Argument::String;
    } else if (*p == 'l') {
        ++p;
        if (!IsIntegerConversion(*p)) {
            return false;  // "%ls" is a wide string
        }
        argument = Argument::Integer;
    } else if (*p == 's') {
        argument = Argument::String;
    } else if (IsIntegerConversion(*p)) {
        argument = Argument::Integer;
    } else {
        return false;
    }
    ++p;
    return true;
}

}  // namespace

bool IsSafeInformationFormat(const std::string& format, std::size_t* namePrecision)
{
    std::size_t stringPrecision = std::string::npos;
    // c_str(): wvsprintfA reads no further than the first zero byte either.
    const char* p = format.c_str();
    std::size_t used = 0;
    while (*p != '\0') {
        if (*p != '%') {
            ++p;
            continue;
        }
        ++p;
        if (*p == '%') {
            ++p;
            continue;
        }
        Argument argument = Argument::String;
        std::size_t precision = std::string::npos;
        if (!ReadConversion(p, argument, precision)) {
            return false;
        }
        if (argument == Argument::String) {
            stringPrecision = precision;
        }
        if (used == kArgumentCount || kArguments[used] != argument) {
            return false;
        }
        ++used;
    }
    if (namePrecision != nullptr) {
        *namePrecision = stringPrecision;
    }
    return true;
}
