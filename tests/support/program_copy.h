// A copy of the built program in a fresh folder, for end-to-end runs that
// need files beside the executable the test chooses: the skin engine and its
// skins or not, and a common.xml of the test's own.
#pragma once

#include <string>

#include "support/temp_folder.h"

namespace test_support {

class ProgramCopy {
public:
    enum class Engine { Included, Absent };
    // The program as shipped, whose manifest selects UTF-8 as its code page,
    // or the build without that element (TolvrinShutdownLegacyCodePage.exe),
    // as Windows before version 1903 of Windows 10 runs the program.
    enum class CodePage { Utf8, Legacy };

    // The executable (as TolvrinShutdown.exe) and its language file, the
    // engine DLL (if Included) and the shipped skins; `commonXml` as
    // common.xml, none when empty.
    ProgramCopy(Engine engine, const std::string& commonXml, CodePage codePage = CodePage::Utf8);

    // Copies `path` over the copy's TolvrinShutdown.lng.
    bool UseLanguageFile(const std::string& path) const;
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    // False when a file could not be copied.
    bool IsComplete() const { return complete_; }
    std::string ExePath() const { return folder_.PathOf("TolvrinShutdown.exe"); }

private:
    bool Copy(const std::string& relativePath);

    TempFolder folder_;
    bool complete_ = true;
};

// The common.xml that ships beside the program (it activates the light skin).
std::string ShippedCommonXml();

// common.xml that activates a shipped skin ("light", "dark") beside the
// executable, with the given gamma text.
std::string CommonXmlForShippedSkin(const std::string& name, const std::string& gamma = "0");

}  // namespace test_support
