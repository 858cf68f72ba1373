// The main of every test executable. Its first act is one line on standard
// error, written unbuffered, which says that the process reached its own
// code: scripts/early-exits tells by that line a test that failed from a
// Wine process that ended before anything of the test ran (no output at
// all). The listing that test discovery reads stays as GoogleTest writes it.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "support/test_main.h"

namespace {

bool ListsTests(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0) {
            return true;
        }
    }
    return false;
}

// WriteFile rather than stdio: the C runtime buffers standard error when it
// is a pipe, and a process that dies later would take the line with it.
void WriteStartMarker()
{
    const char line[] = TOLVRIN_TEST_START_MARKER "\n";
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), line, sizeof line - 1, &written, nullptr);
}

}  // namespace

int main(int argc, char** argv)
{
    if (!ListsTests(argc, argv)) {
        WriteStartMarker();
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
