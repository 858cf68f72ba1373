#include "support/language_file.h"

#include "lang/language_table.h"

namespace test_support {

ScopedLanguageFile::ScopedLanguageFile(const std::string& entries)
    : path_(folder_.Write("test.lng", "[String]\r\n" + entries)), previous_(TheLanguageTable().FilePath())
{
    TheLanguageTable().SetFile(path_);
}

ScopedLanguageFile::~ScopedLanguageFile()
{
    TheLanguageTable().SetFile(previous_);
}

}  // namespace test_support
