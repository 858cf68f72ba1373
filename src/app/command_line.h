// Reads a run (action, delay, password) from the program's command line.
#pragma once

#include "run/run_parameters.h"
#include "lang/ansi_text.h"

#include <cstdint>
#include <string>

// Drops every "/" and " " at both ends, walking the text character by
// character in the code page so that no double-byte character is cut.
// Tabs and other white space stay.
std::string TrimCommandLine(const std::string& commandLine,
                            unsigned int codePage = kAnsiCodePage);

// True when a delay of that many seconds can become one window timer: not
// negative, and its milliseconds within USER_TIMER_MAXIMUM (0x7FFFFFFF), so at
// most 2,147,483 seconds. SetTimer silently clamps longer periods.
bool IsSchedulableDelay(std::int32_t delaySeconds);

// Fills `parameters` from a command line without the program's name (null
// counts as empty) and returns true when it describes a run: exactly three
// tokens split at "," and " " ("action,delay,password"), with a known action
// (0 to 5) and a schedulable delay. Otherwise returns false and leaves `parameters` untouched; start-up
// then asks for the run in the parameters dialog.
bool ParseCommandLine(const char* commandLine, RunParameters& parameters);
