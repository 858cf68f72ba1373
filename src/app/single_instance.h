// The name of the program's single-instance mutex, in a header of its own:
// scripts/package reads it from here for the installer, which looks for a
// running copy of the program by this name before it changes any file.
#pragma once

// Named so that every copy of the program in the session finds the same one.
constexpr char kSingleInstanceMutexName[] = "{5C1F7A2E-93B4-4D8A-B6E1-2F0C7D94A3B8}";
