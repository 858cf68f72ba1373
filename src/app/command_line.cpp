#include "app/command_line.h"

#include "text/decimal_text.h"
#include "text/split_tokens.h"
#include "text/wide_text.h"

#include <windows.h>

#include <vector>

namespace {

bool IsTrimmed(char c)
{
    return c == '/' || c == ' ';
}

// SetTimer clamps a longer period to USER_TIMER_MAXIMUM without saying so.
constexpr std::int32_t kLongestDelaySeconds = USER_TIMER_MAXIMUM / 1000;

}  // namespace

std::string TrimCommandLine(const std::string& commandLine, unsigned int codePage)
{
    std::size_t first = 0;
    while (first < commandLine.size() && IsTrimmed(commandLine[first])) {
        ++first;  // "/" and " " are single-byte characters
    }
    // The right end is found walking forwards, character by character, so
    // that the byte after a lead byte is never taken for a "/" or " ".
    std::size_t end = commandLine.size();
    bool inTrimmedRun = false;
    for (std::size_t i = first; i < commandLine.size(); i = NextCharIndex(commandLine, i, codePage)) {
        // At a character boundary: a lead byte is never "/" or " ".
        const bool trimmed = IsTrimmed(commandLine[i]);
        if (trimmed && !inTrimmedRun) {
            end = i;
        }
        inTrimmedRun = trimmed;
    }
    if (!inTrimmedRun) {
        end = commandLine.size();
    }
    return commandLine.substr(first, end - first);
}

bool IsSchedulableDelay(std::int32_t delaySeconds)
{
    return delaySeconds >= 0 && delaySeconds <= kLongestDelaySeconds;
}

bool ParseCommandLine(const char* commandLine, RunParameters& parameters, unsigned int codePage)
{
    const std::string trimmed = TrimCommandLine(commandLine != nullptr ? commandLine : "", codePage);
    const std::vector<std::string> tokens = SplitTokens(trimmed, {",", " "}, false, codePage);
    // Strict numbers: atol would read "", "5min" or "0x10" as a number and
    // start a run its writer never meant (an empty %DELAY% in a script would
    // carry out the action at once).
    if (tokens.size() != 3 || !IsPlainDigits(tokens[0]) || !IsPlainDigits(tokens[1])) {
        return false;
    }
    const std::int32_t action = ReadDecimal(tokens[0]);
    const std::int32_t delaySeconds = ReadDecimal(tokens[1]);
    if (!IsKnownAction(action) || !IsSchedulableDelay(delaySeconds)) {
        return false;
    }
    parameters.action = static_cast<ShutdownAction>(action);
    parameters.delaySeconds = delaySeconds;
    parameters.password = tokens[2];
    return true;
}

std::wstring ArgumentsOfCommandLine(const wchar_t* commandLine)
{
    if (commandLine == nullptr) {
        return {};
    }
    const wchar_t* rest = commandLine;
    bool inQuotes = false;
    while (*rest > L' ' || (*rest != L'\0' && inQuotes)) {
        if (*rest == L'"') {
            inQuotes = !inQuotes;
        }
        ++rest;
    }
    while (*rest != L'\0' && *rest <= L' ') {
        ++rest;
    }
    return rest;
}

bool ParseProgramCommandLine(const wchar_t* commandLine, RunParameters& parameters, unsigned int codePage)
{
    std::string arguments;
    if (!ToCodePageExactly(ArgumentsOfCommandLine(commandLine), arguments, codePage)) {
        return false;
    }
    return ParseCommandLine(arguments.c_str(), parameters, codePage);
}
