// The texts the user sees, looked up by key in the language file beside the
// executable (INI form, section [String]).
#pragma once

#include "lang/file_stamp.h"

#include <windows.h>

#include <map>
#include <string>
#include <vector>

class LanguageTable {
public:
    // The full path of the language file. Set once, at start-up. The wide
    // form reaches a folder whose name the ANSI code page cannot hold; the
    // 8-bit form is a path in the ANSI code page.
    void SetFile(std::wstring path);
    void SetFile(const std::string& path);
    const std::wstring& FilePath() const;

    // The text of `key` in the language file, in the ANSI code page in which
    // the file is written; with `expandEscapes`, its "\r" and "\n" turned
    // into CR and LF. The key itself when there is no non-empty text for it
    // (no file or no path set, no section, no entry, an empty entry). At most
    // 65,534 characters.
    //
    // A text once read is kept, and the file read again only when its size
    // or time of last writing has changed (one attribute query a lookup), so
    // a text edited while the program runs shows at its next lookup. Texts
    // read within the file time's granularity after the file was written are
    // not kept, and a file that cannot be queried is read anew every time.
    std::string Lookup(const std::string& key, bool expandEscapes) const;

    // Replaces the text of `window` and of every window inside it (children
    // of children too) by its language text; empty texts are left alone.
    // Returns what EnumChildWindows returned; FALSE for the null window.
    BOOL TranslateWindow(HWND window) const;

private:
    std::string Text(const std::string& key) const;
    std::string ReadText(const std::string& key) const;

    std::wstring filePath_;
    // The texts read since the file last changed, by key as asked ("" for a
    // key without text), and the stamp the file had then. The table is used
    // by one thread only.
    mutable std::map<std::string, std::string> texts_;
    mutable FileStamp stamp_;
    // The buffer of GetPrivateProfileStringW, grown to the longest text read.
    mutable std::vector<wchar_t> buffer_;
};

// The one table of the process.
LanguageTable& TheLanguageTable();
