// Reads a run (action, delay, password) from the program's command line.
#pragma once

#include "run/run_parameters.h"
#include "text/ansi_text.h"

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
// tokens split at "," and " " ("action,delay,password"), the first two plain
// ASCII digits (IsPlainDigits), with a known action (0 to 5) and a schedulable
// delay. Otherwise returns false and leaves `parameters` untouched; start-up
// then asks for the run in the parameters dialog.
// The line is walked in `codePage`, the ANSI code page.
bool ParseCommandLine(const char* commandLine, RunParameters& parameters,
                      unsigned int codePage = kAnsiCodePage);

// What follows the program's name in a whole command line (GetCommandLineW),
// skipped as the C runtime skips it for WinMain's lpCmdLine: a name in double
// quotes may hold spaces; then every space, tab or control character before
// the first argument goes. Null counts as empty.
std::wstring ArgumentsOfCommandLine(const wchar_t* commandLine);

// ParseCommandLine for the program's own whole command line, read in UTF-16
// so that nothing is lost unseen: the arguments are taken in `codePage` (the
// ANSI code page) only when every character converts exactly. Otherwise no
// token can be trusted (a password would hold "?" where the user typed a
// letter, and typing "?" would cancel the run): no run, `parameters` untouched.
bool ParseProgramCommandLine(const wchar_t* commandLine, RunParameters& parameters,
                             unsigned int codePage = kAnsiCodePage);
