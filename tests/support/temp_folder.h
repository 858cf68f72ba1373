// A fresh folder under the user's temporary folder for the files a test
// writes, removed with everything in it when the test ends.
#pragma once

#include <string>

namespace test_support {

// Writes `bytes` as the whole content of the file at `path`; false on failure.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

class TempFolder {
public:
    // Creates the folder; Path() is empty if that failed.
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Full path, without a trailing backslash.
    const std::string& Path() const { return path_; }
    std::string PathOf(const std::string& name) const { return path_ + "\\" + name; }

    // Writes `bytes` as the whole content of the file `name` (a name inside
    // the folder) and returns its full path; empty when writing failed.
    std::string Write(const std::string& name, const std::string& bytes) const;

private:
    std::string path_;
};

}  // namespace test_support
