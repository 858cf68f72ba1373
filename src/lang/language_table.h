// The texts the user sees, looked up by key in the language file beside the
// executable (INI form, section [String]).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class LanguageTable {
public:
    // The full path of the language file. Set once, at start-up.
    void SetFile(std::string path);
    const std::string& FilePath() const;

    // The text of `key` in the language file, read anew on every call; with
    // `expandEscapes`, its "\r" and "\n" turned into CR and LF. The key itself
    // when there is no non-empty text for it (no file or no path set, no
    // section, no entry, an empty entry). At most 65,534 characters.
    std::string Lookup(const std::string& key, bool expandEscapes) const;

    // Replaces the text of `window` and of every window inside it (children
    // of children too) by its language text; empty texts are left alone.
    // Returns what EnumChildWindows returned; FALSE for the null window.
    BOOL TranslateWindow(HWND window) const;

private:
    std::string filePath_;
    // The lookups' 64 KB text buffer; the table is used by one thread only.
    mutable std::vector<char> buffer_;
};

// The one table of the process.
LanguageTable& TheLanguageTable();
