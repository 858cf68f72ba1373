// common.xml's bytes: only files on a disk, read whole up to the bound.
#include "skin/config_file_bytes.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "support/temp_folder.h"
#include "text/wide_text.h"
#include "base/unique_handle.h"

namespace {

TEST(ConfigFileBytes, FileUpToTheBoundIsReadWholeAndALargerOneNotAtAll)
{
    test_support::TempFolder folder;
    const std::string bytes("<config/>\0\r\n", 12);
    const std::wstring path = ToWide(folder.Write("common.xml", bytes));
    EXPECT_EQ(ReadConfigFileBytes(path, bytes.size()), bytes);
    EXPECT_EQ(ReadConfigFileBytes(path, bytes.size() - 1), std::nullopt);
    EXPECT_EQ(ReadConfigFileBytes(ToWide(folder.Write("empty.xml", ""))), std::string());
}

TEST(ConfigFileBytes, MissingFileFolderAndDevicesGiveNothing)
{
    test_support::TempFolder folder;
    for (const std::wstring& path : {ToWide(folder.PathOf("missing.xml")), ToWide(folder.Path()),
                                     std::wstring(L"NUL"), std::wstring(L"CONIN$"), std::wstring(L"\\\\.\\COM1")}) {
        EXPECT_EQ(ReadConfigFileBytes(path), std::nullopt) << ::testing::PrintToString(path);
    }
}

// A pipe whose server never writes: a read would wait for ever, so the handle
// is refused before any read.
TEST(ConfigFileBytes, PipeIsRefusedWithoutAReadThatWouldWait)
{
    const std::wstring name = L"\\\\.\\pipe\\TolvrinConfigBytesTest-" + std::to_wstring(::GetCurrentProcessId());
    const base::UniqueKernelHandle server(::CreateNamedPipeW(name.c_str(), PIPE_ACCESS_DUPLEX,
                                                           PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096, 4096, 0, nullptr));
    ASSERT_TRUE(server);
    EXPECT_EQ(ReadConfigFileBytes(name), std::nullopt);
}

}  // namespace
