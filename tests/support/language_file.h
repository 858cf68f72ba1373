// Points the program's language table at a language file written by the test,
// and back at what it was when the test ends.
#pragma once

#include <string>

#include "support/temp_folder.h"

namespace test_support {

class ScopedLanguageFile {
public:
    // `entries` is the text of the file after its "[String]" line.
    explicit ScopedLanguageFile(const std::string& entries);
    ~ScopedLanguageFile();
    ScopedLanguageFile(const ScopedLanguageFile&) = delete;
    ScopedLanguageFile& operator=(const ScopedLanguageFile&) = delete;

    const std::string& Path() const { return path_; }

private:
    TempFolder folder_;
    std::string path_;
    std::wstring previous_;
};

}  // namespace test_support
