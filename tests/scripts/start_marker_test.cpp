// The line every test executable writes before anything else
// (support/test_main.cpp), read by scripts/early-exits: this executable is
// run once more as a child and its output read through a pipe.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "support/test_main.h"
#include "base/unique_handle.h"

namespace {

std::string OwnPath()
{
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            return std::string(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 2);
    }
}

// Standard output and standard error of this executable run with
// `arguments`, together, as a test in ctest sees them.
std::string OutputOfThisExecutable(const std::string& arguments)
{
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) {
        return "no pipe";
    }
    const base::UniqueKernelHandle reader(readEnd);
    base::UniqueKernelHandle writer(writeEnd);
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    const std::string path = OwnPath();
    std::string line = "\"" + path + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(path.c_str(), &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) {
        return "not started";
    }
    const base::UniqueKernelHandle process(info.hProcess);
    const base::UniqueKernelHandle thread(info.hThread);
    // Only the child holds the write end now: reading ends when it ends.
    writer.Reset();
    std::string output;
    char chunk[4096];
    DWORD read = 0;
    while (::ReadFile(readEnd, chunk, sizeof chunk, &read, nullptr) && read > 0) {
        output.append(chunk, read);
    }
    ::WaitForSingleObject(process.Get(), 30000);
    return output;
}

TEST(StartMarker, NothingButThisIsRunByTheChild) {}

TEST(StartMarker, IsTheFirstLineOfATestRun)
{
    const std::string output =
        OutputOfThisExecutable("--gtest_filter=StartMarker.NothingButThisIsRunByTheChild");
    EXPECT_EQ(output.rfind(TOLVRIN_TEST_START_MARKER "\n", 0), 0u) << output;
    EXPECT_NE(output.find("[  PASSED  ] 1 test."), std::string::npos) << output;
}

TEST(StartMarker, StaysOutOfTheListThatTestDiscoveryReads)
{
    const std::string output = OutputOfThisExecutable("--gtest_list_tests --gtest_filter=StartMarker.*");
    EXPECT_EQ(output.find(TOLVRIN_TEST_START_MARKER), std::string::npos) << output;
    EXPECT_NE(output.find("IsTheFirstLineOfATestRun"), std::string::npos) << output;
}

}  // namespace
