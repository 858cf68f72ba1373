// The texts the user sees, looked up by key in the language file beside the
// executable (INI form, section [String]; UTF-16 or UTF-8 with a byte-order
// mark, UTF-8, or the system's legacy code page: text/text_file.h).
#pragma once

#include "lang/file_stamp.h"
#include "ui/window.h"

#include <windows.h>

#include <string>

class LanguageTable {
public:
    // The full path of the language file. Set once, at start-up. The wide
    // form reaches a folder whose name the ANSI code page cannot hold; the
    // 8-bit form is a path in the ANSI code page.
    void SetFile(std::wstring path);
    void SetFile(const std::string& path);
    const std::wstring& FilePath() const;

    // The text of `key` in the language file, in the program's code page
    // (UTF-8 where the manifest's code page holds: every text as written;
    // elsewhere the legacy code page, where a character it lacks shows as
    // "?"); with `expandEscapes`, its "\r" and "\n" turned into CR and LF.
    // The key itself when there is no non-empty text for it (no file or no
    // path set, no section, no entry, an empty entry). At most 65,534 UTF-16
    // characters of the file.
    //
    // The file once read is kept, and read again only when its size or time
    // of last writing has changed (one attribute query a lookup), so a text
    // edited while the program runs shows at its next lookup. A file read
    // within the file time's granularity after it was written is not kept,
    // and a file that cannot be queried is read anew every time.
    std::string Lookup(const std::string& key, bool expandEscapes) const;

    // Replaces the text of `window` and of every window inside it (children
    // of children too) by its language text; empty texts are left alone.
    // Returns what EnumChildWindows returned; FALSE for the null window.
    BOOL TranslateWindow(ui::Window window) const;

private:
    const std::wstring& Text() const;

    std::wstring filePath_;
    // The file's text as last read, the stamp the file had then, and whether
    // it may be used for as long as the file keeps that stamp. The table is
    // used by one thread only.
    mutable std::wstring text_;
    mutable FileStamp stamp_;
    mutable bool kept_ = false;
};

// The one table of the process.
LanguageTable& TheLanguageTable();
