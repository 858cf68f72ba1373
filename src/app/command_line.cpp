#include "app/command_line.h"

#include "app/split_tokens.h"

#include <windows.h>

#include <limits>
#include <vector>

namespace {

bool IsTrimmed(char c)
{
    return c == '/' || c == ' ';
}

bool IsAtolSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
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

std::int32_t ReadDecimal(const std::string& token)
{
    std::size_t i = 0;
    while (i < token.size() && IsAtolSpace(token[i])) {
        ++i;
    }
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
        negative = token[i] == '-';
        ++i;
    }
    // Accumulated as a magnitude in 64 bits and clamped once past the 32-bit
    // range, so any number of digits is safe.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (token[i] - '0');
        if (magnitude > kLimit) {
            magnitude = kLimit;
        }
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(value);  // -kLimit is INT32_MIN itself
}

bool IsSchedulableDelay(std::int32_t delaySeconds)
{
    return delaySeconds >= 0 && delaySeconds <= kLongestDelaySeconds;
}

bool ParseCommandLine(const char* commandLine, RunParameters& parameters)
{
    const std::string trimmed = TrimCommandLine(commandLine != nullptr ? commandLine : "");
    const std::vector<std::string> tokens = SplitTokens(trimmed, {",", " "}, false);
    if (tokens.size() != 3) {
        return false;
    }
    const std::int32_t delaySeconds = ReadDecimal(tokens[1]);
    if (!IsSchedulableDelay(delaySeconds)) {
        return false;
    }
    parameters.action = static_cast<ShutdownAction>(ReadDecimal(tokens[0]));
    parameters.delaySeconds = delaySeconds;
    parameters.password = tokens[2];
    return true;
}
