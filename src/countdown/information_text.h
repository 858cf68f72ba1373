// The countdown window's information text: the language file's format filled
// with the pending action's name and the remaining hours, minutes and seconds.
#pragma once

#include <cstdint>
#include <string>

#include "countdown/remaining_time.h"
#include "run/run_parameters.h"
#include "text/ansi_text.h"

class LanguageTable;

// A safe format (IsSafeInformationFormat) is filled by wvsprintfA, so the
// language file decides the wording and the padding; the result is at most
// 1,024 bytes, never ending inside a character of `codePage` (the ANSI code
// page), and a precision on the name cuts it between characters. An unsafe
// format is never handed to wvsprintfA: the text is then the name, a line
// break and the time as "h:mm:ss".
std::string FormatInformationText(const std::string& format, const std::string& actionName,
                                  RemainingTime remaining, unsigned int codePage = kAnsiCodePage);

// What the countdown window shows with `remainingSeconds` of the run left:
// the language text "_InformationFormate" filled as above with the text of
// the action's name key (empty for an action outside the six) and the time.
std::string CountdownInformationText(ShutdownAction action, std::uint32_t remainingSeconds,
                                     const LanguageTable& language);
