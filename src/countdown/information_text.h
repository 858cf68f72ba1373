// The countdown window's information text: the language file's format filled
// with the pending action's name and the remaining hours, minutes and seconds.
#pragma once

#include <string>

#include "countdown/remaining_time.h"

// A safe format (IsSafeInformationFormat) is filled by wvsprintfA, so the
// language file decides the wording and the padding; the result is at most
// 1,024 characters. An unsafe one is never handed to wvsprintfA: the text is
// then the name, a line break and the time as "h:mm:ss".
std::string FormatInformationText(const std::string& format, const std::string& actionName,
                                  RemainingTime remaining);
