// What another process's windows show, checked against a language's texts:
// `shown(key)` is the text a user must see for a language key, in UTF-16.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace test_support {

using ShownTextOf = std::function<std::wstring(const char* key)>;

// The parameters dialog: its caption, every labelled control, the texts
// without an id of their own (explanation, legal notice, copyright) and the
// six entries of the action list, read as wide strings.
void ExpectParametersDialogShows(HWND dialog, const ShownTextOf& shown);

}  // namespace test_support
