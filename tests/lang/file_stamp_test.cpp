#include "lang/file_stamp.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint64_t kWritten = 133'000'000'000'000'000;

TEST(IsSettledAt, OnlyAFileLeftAloneLongerThanTheTimesGranularityIsSettled)
{
    const FileStamp stamp{120, kWritten};
    EXPECT_FALSE(IsSettledAt(stamp, kWritten));
    EXPECT_FALSE(IsSettledAt(stamp, kWritten + kFileTimeGranularity));
    EXPECT_TRUE(IsSettledAt(stamp, kWritten + kFileTimeGranularity + 1));
    EXPECT_TRUE(IsSettledAt(stamp, kWritten + 3600 * std::uint64_t{10'000'000}));
}

TEST(IsSettledAt, FileTimeAheadOfTheClockIsNeverSettled)
{
    EXPECT_FALSE(IsSettledAt(FileStamp{120, kWritten}, kWritten - 1));
    EXPECT_FALSE(IsSettledAt(FileStamp{120, ~std::uint64_t{0}}, kWritten));
}

TEST(ReadFileStamp, MissingFileCannotBeQueried)
{
    FileStamp stamp;
    EXPECT_FALSE(ReadFileStamp(L"C:\\no such folder\\Timer.lng", stamp));
    EXPECT_FALSE(ReadFileStamp(L"", stamp));
}

}  // namespace
