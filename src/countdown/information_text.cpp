#include "countdown/information_text.h"

#include <windows.h>

#include <cstdarg>
#include <cstdint>
#include <cstring>
#include <string>

#include "countdown/action_names.h"
#include "countdown/information_format.h"
#include "lang/language_table.h"
#include "text/ansi_text.h"

namespace {

// wvsprintfA writes at most 1,024 characters and the terminating zero.
constexpr std::size_t kMaxInformationText = 1024;

// Two digits at least, as "%02u" would print them. Not snprintf: with
// MinGW that links its own printf with floating-point support (tens of KB).
std::string TwoDigits(std::uint32_t value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

std::string FixedLayout(const std::string& actionName, RemainingTime remaining)
{
    return actionName + "\n" + std::to_string(remaining.hours) + ":" + TwoDigits(remaining.minutes) + ":" +
           TwoDigits(remaining.seconds);
}

}  // namespace

std::string FormatInformationText(const std::string& format, const std::string& actionName,
                                  RemainingTime remaining, unsigned int codePage)
{
    std::size_t namePrecision = std::string::npos;
    if (!IsSafeInformationFormat(format, &namePrecision)) {
        return FixedLayout(actionName, remaining);
    }
    // wvsprintfA cuts the name at its precision in bytes: cut here between
    // characters instead, so that its cut takes nothing more.
    const std::string name =
        namePrecision == std::string::npos
            ? actionName
            : actionName.substr(0, WholeCharactersWithin(actionName, namePrecision, codePage));
    // wvsprintfA takes its arguments as a va_list, which on Windows is a plain
    // array of pointer-sized slots; an integer conversion reads the low 32 bits
    // of its slot.
    ULONG_PTR arguments[] = {
        reinterpret_cast<ULONG_PTR>(name.c_str()),
        remaining.hours,
        remaining.minutes,
        remaining.seconds,
    };
    char buffer[kMaxInformationText + 1] = {};
    ::wvsprintfA(buffer, format.c_str(), reinterpret_cast<va_list>(arguments));
    // The return value is not the length when the output was cut short
    // (1,024 then, whatever was written): measure the text instead.
    buffer[kMaxInformationText] = '\0';
    std::string text(buffer, ::strnlen(buffer, kMaxInformationText));
    // Its cut at the end of its buffer (1,023 or 1,024 bytes) may fall inside
    // a character.
    text.resize(LengthWithoutCutCharacter(text, codePage));
    return text;
}

std::string CountdownInformationText(ShutdownAction action, std::uint32_t remainingSeconds,
                                     const LanguageTable& language)
{
    const char* nameKey = ActionNameKey(action);
    const std::string name = nameKey != nullptr ? language.Lookup(nameKey, true) : std::string();
    return FormatInformationText(language.Lookup("_InformationFormate", true), name,
                                 SplitRemaining(remainingSeconds));
}
