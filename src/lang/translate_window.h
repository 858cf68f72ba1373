// Translation of a dialog: every window text of the template is a language key.
#pragma once

#include "lang/language_table.h"
#include "ui/window.h"

#include <windows.h>

// Replaces the text of `window` by its language text from `table`; a window
// whose text is empty (or cannot be read) is left alone.
void TranslateWindowText(const LanguageTable& table, ui::Window window);

// The EnumChildWindows callback of LanguageTable::TranslateWindow. `context`
// is the LanguageTable; null does nothing. Always TRUE, so that every
// descendant is visited.
BOOL CALLBACK TranslateChild(HWND window, LPARAM context);
