#include "countdown/information_format.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(IsSafeInformationFormatTest, PrefixesOfStringAndThreeIntegersAreSafe)
{
    for (const char* format : {"%s in %d:%02d:%02d", "%s\r\n%lu h %02u min %02X s", "%s", "%s %d",
                               "%s %i %x", "%-20s%+5d% d%07.3d", "%hs %ld", "%.10s"}) {
        EXPECT_TRUE(IsSafeInformationFormat(format)) << format;
    }
}

TEST(IsSafeInformationFormatTest, TextsWithoutConversionsAreSafe)
{
    EXPECT_TRUE(IsSafeInformationFormat(""));
    EXPECT_TRUE(IsSafeInformationFormat("_InformationFormate"));
    EXPECT_TRUE(IsSafeInformationFormat("100%% sure"));
    EXPECT_TRUE(IsSafeInformationFormat("%%s%%d"));
}

TEST(IsSafeInformationFormatTest, WrongOrderOrTooManyArgumentsAreUnsafe)
{
    for (const char* format : {"%s%s%s", "%d %s", "%d", "%s%d%d%d%d", "%s %d %d %d %s", "%s %s"}) {
        EXPECT_FALSE(IsSafeInformationFormat(format)) << format;
    }
}

TEST(IsSafeInformationFormatTest, ConversionsWvsprintfReadsDifferentlyAreUnsafe)
{
    for (const char* format : {"%n", "%p", "%c", "%C", "%S", "%ls", "%ws", "%hd", "%I64d", "%Id", "%*d",
                               "%s %*d", "%.*s", "%s %q", "%s %f", "%#x", "%s %#d", "%s %lld", "%",
                               "%99999999999s", "%s %.4294967297d"}) {
        EXPECT_FALSE(IsSafeInformationFormat(format)) << format;
    }
}

TEST(IsSafeInformationFormatTest, LoneTrailingPercentIsUnsafe)
{
    EXPECT_FALSE(IsSafeInformationFormat("%s in %d %"));
    EXPECT_FALSE(IsSafeInformationFormat("%s %-0"));
}

TEST(IsSafeInformationFormatTest, OnlyTheTextBeforeAZeroByteCounts)
{
    EXPECT_TRUE(IsSafeInformationFormat(std::string("%s\0%s%s%n", 9)));
}

}  // namespace
