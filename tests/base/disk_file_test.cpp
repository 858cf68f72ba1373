#include "base/disk_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/silent_pipe.h"
#include "support/temp_folder.h"
#include "support/wine_only.h"
#include "text/wide_text.h"

namespace {

using base::OpenDiskFile;

TEST(OpenDiskFileTest, OpensAFileAndNothingElse)
{
    test_support::TempFolder folder;
    const std::string file = folder.Write("skin.ini", "[Skin]\r\n");
    EXPECT_TRUE(OpenDiskFile(ToWide(file).c_str(), FILE_SHARE_READ));
    EXPECT_FALSE(OpenDiskFile(ToWide(folder.Path()).c_str(), FILE_SHARE_READ)) << "a folder";
    EXPECT_FALSE(OpenDiskFile(ToWide(folder.PathOf("absent.ini")).c_str(), FILE_SHARE_READ));
    EXPECT_FALSE(OpenDiskFile(L"\\\\.\\NUL", FILE_SHARE_READ)) << "a device";
    EXPECT_FALSE(OpenDiskFile(L"", FILE_SHARE_READ));
    EXPECT_FALSE(OpenDiskFile(nullptr, FILE_SHARE_READ));
}

TEST(OpenDiskFileTest, APipeIsNeverOpened)
{
    const test_support::SilentPipe pipe;
    ASSERT_TRUE(pipe.IsListening());
    EXPECT_FALSE(OpenDiskFile(pipe.Path().c_str(), FILE_SHARE_READ));
    EXPECT_FALSE(pipe.SawClient());

    // The test would see a client: opening it as any file does connect.
    const base::UniqueKernelHandle client(::CreateFileW(pipe.Path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                                      0, nullptr));
    ASSERT_TRUE(client);
    EXPECT_TRUE(pipe.SawClient());
}

// A path that no name rule can see through: under Wine the Z: drive is the
// host's root, and Z:\dev\null its character device.
TEST(OpenDiskFileTest, HandleThatIsNoDiskFileIsClosedBeforeAnyRead)
{
    if (!test_support::IsRunningUnderWine()) {
        GTEST_SKIP() << "needs Wine's Z: drive";
    }
    const wchar_t* device = L"Z:\\dev\\null";
    const base::UniqueKernelHandle plain(::CreateFileW(device, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                     nullptr, OPEN_EXISTING, 0, nullptr));
    if (!plain) {
        GTEST_SKIP() << "no Z:\\dev\\null here";
    }
    ASSERT_NE(::GetFileType(plain.Get()), static_cast<DWORD>(FILE_TYPE_DISK));
    EXPECT_FALSE(OpenDiskFile(device, FILE_SHARE_READ | FILE_SHARE_WRITE));
}

}  // namespace
