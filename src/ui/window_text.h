// A window's text as an 8-bit string.
#pragma once

#include <windows.h>

#include <string>

#include "ui/window.h"

// The text of `window`; empty when it has none or it cannot be read.
std::string WindowText(ui::Window window);

// Reads the text of `window` into `text`. False when the window reports a
// text but none could be read: the caller tells the user (a beep) and keeps
// what was read.
bool ReadWindowText(ui::Window window, std::string& text);

// The same in UTF-16, for what the user types (passwords): nothing is lost
// to the ANSI code page on the way.
bool ReadWindowTextW(ui::Window window, std::wstring& text);
