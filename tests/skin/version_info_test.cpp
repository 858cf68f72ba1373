// Reading the version resource. The test executable links the program's own
// resources, so its version information is the program's.
#include "skin/version_info.h"

#include "version.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string OwnExecutablePath()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// A file in the temporary folder, deleted with the object.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& content)
    {
        char folder[MAX_PATH] = {};
        char name[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, folder);
        ::GetTempFileNameA(folder, "tvi", 0, name);
        path_ = name;
        if (std::FILE* file = std::fopen(path_.c_str(), "wb")) {
            std::fwrite(content.data(), 1, content.size(), file);
            std::fclose(file);
        }
    }
    ~TemporaryFile() { ::DeleteFileA(path_.c_str()); }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

TEST(VersionEntryQueryTest, NamesTheBlockInFourLowerCaseHexDigitsEach)
{
    EXPECT_EQ(VersionEntryQuery(0x0409, 0x04B0, "ProductName"), "\\StringFileInfo\\040904b0\\ProductName");
    EXPECT_EQ(VersionEntryQuery(0x0007, 0x0000, "ProductVersion"), "\\StringFileInfo\\00070000\\ProductVersion");
    EXPECT_EQ(VersionEntryQuery(0xABCD, 0xEF01, "X"), "\\StringFileInfo\\abcdef01\\X");
}

TEST(VersionInfoTest, OwnExecutableCarriesTheProductNameAndVersion)
{
    const std::string path = OwnExecutablePath();
    EXPECT_EQ(ReadProductName(path), "Tolvrin Shutdown Manager");
    EXPECT_EQ(ReadProductVersion(path), TOLVRIN_VERSION_TEXT);
}

TEST(VersionInfoTest, OwnExecutableAnswersOtherEntriesOfTheSameTable)
{
    EXPECT_EQ(ReadVersionEntry(OwnExecutablePath(), "FileVersion"), TOLVRIN_VERSION_TEXT);
    EXPECT_EQ(ReadVersionEntry(OwnExecutablePath(), "NoSuchEntry"), "");
}

TEST(VersionInfoTest, FileWithoutVersionResourceGivesEmptyTexts)
{
    const TemporaryFile file("Not a program, just some text.\r\n");
    EXPECT_EQ(ReadProductName(file.Path()), "");
    EXPECT_EQ(ReadProductVersion(file.Path()), "");
}

TEST(VersionInfoTest, MissingFileGivesEmptyTexts)
{
    const std::string missing = OwnExecutablePath() + ".does-not-exist";
    EXPECT_EQ(ReadProductName(missing), "");
    EXPECT_EQ(ReadProductVersion(missing), "");
    EXPECT_EQ(ReadProductName(""), "");
}

}  // namespace
