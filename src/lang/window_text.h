// A window's text as an 8-bit string.
#pragma once

#include <windows.h>

#include <string>

// The text of `window`; empty when it has none or it cannot be read.
std::string WindowText(HWND window);
