// The delay-load hook with a library that the system folder lacks and a
// copy of that name planted beside the program (the probe of tests/programs):
// the failure is reported, and the planted copy is never loaded.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "support/program_process.h"
#include "support/temp_folder.h"

namespace {

TEST(DelayedImports, LibraryMissingFromTheSystemFolderIsNeverTakenFromTheProgramsFolder)
{
    const std::string built = test_support::TestBinaryFolder() + "\\..\\planting\\";
    test_support::TempFolder folder;
    const std::string probe = folder.PathOf("delayed_import_probe.exe");
    ASSERT_TRUE(::CopyFileA((built + "delayed_import_probe.exe").c_str(), probe.c_str(), FALSE));
    ASSERT_TRUE(
        ::CopyFileA((built + "planted_library.dll").c_str(), folder.PathOf("tolvrin_absent.dll").c_str(), FALSE));

    test_support::ProgramProcess process(probe, "");
    ASSERT_TRUE(process.Started());
    EXPECT_EQ(process.WaitForExit(30000), 3u) << "3: the delay-load exception";
    EXPECT_EQ(::GetFileAttributesA(folder.PathOf("tolvrin_absent.dll.loaded").c_str()), INVALID_FILE_ATTRIBUTES)
        << "the planted copy was loaded";
}

}  // namespace
