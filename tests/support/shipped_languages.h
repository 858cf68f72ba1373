// The language files the build puts beside the program (bin/languages/), the
// code page each is written in, and the keys the program looks up: what the
// language, dialog-fit and Japanese tests check every shipped file against.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace test_support {

struct ShippedLanguage {
    const char* name;       // file name without ".lng"
    unsigned int codePage;  // the code page its bytes are in: an ANSI code page, or CP_UTF8
};

// Names the language in test names and messages.
inline void PrintTo(const ShippedLanguage& language, std::ostream* out) { *out << language.name; }

// Every shipped language, English first.
const std::vector<ShippedLanguage>& ShippedLanguages();
// bin\languages\<name>.lng beside the test executable.
std::string ShippedLanguagePath(const ShippedLanguage& language);

// Every key the program looks up: in its code and as the texts of its dialog
// templates ("OK" and "Cancel" of the password prompt included).
const std::vector<std::string>& ProgramLanguageKeys();

// The entries of a language file's [String] section as its bytes hold them,
// read without the system's code page (a UTF-8 byte-order mark skipped): key
// -> text, spaces around both trimmed, one pair of enclosing quotes stripped. `duplicates` receives keys
// that occur twice (compared without letter case).
std::map<std::string, std::string> ReadLanguageEntries(const std::string& path,
                                                       std::vector<std::string>* duplicates = nullptr);

// A text as the program shows it: escapes expanded in `codePage`, then
// converted to UTF-16 from that code page ("" when it holds bytes the code
// page does not define).
std::wstring ShownText(const std::string& text, unsigned int codePage);

// The whole file's bytes.
std::string ReadFileBytes(const std::string& path);

// bin\languages-1.1\<name>.lng beside the test executable: the language files
// of version 1.1 as they were shipped, each in the legacy code page of its
// systems (Windows-1252, Shift-JIS for Japanese). Installed copies of them
// must keep working.
std::string LanguagePathOfVersion11(const std::string& name);

}  // namespace test_support
