#include "text/escapes.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(ExpandEscapes, BackslashRAndBackslashNBecomeControlCharacters)
{
    EXPECT_EQ(ExpandEscapes("One.\\r\\nTwo."), "One.\r\nTwo.");
    EXPECT_EQ(ExpandEscapes("One.\\nTwo."), "One.\nTwo.");
    EXPECT_EQ(ExpandEscapes("\\n\\n\\r"), "\n\n\r");
}

TEST(ExpandEscapes, DoubledBackslashBeforeNGivesBackslashAndLineFeed)
{
    EXPECT_EQ(ExpandEscapes("a\\\\nb"), "a\\\nb");
}

TEST(ExpandEscapes, OtherBackslashesStay)
{
    EXPECT_EQ(ExpandEscapes("\\N \\R \\t \\\\ C:\\dir\\"), "\\N \\R \\t \\\\ C:\\dir\\");
    EXPECT_EQ(ExpandEscapes(""), "");
}

TEST(ExpandEscapes, TrailByteBackslashOfADoubleByteCharacterIsNoEscape)
{
    if (!IsValidCodePage(932)) {
        GTEST_SKIP() << "code page 932 is not installed";
    }
    // 0x95 0x5C is one kanji; its trail byte followed by "n" is not "\n".
    EXPECT_EQ(ExpandEscapes("\x95\x5Cn", 932), "\x95\x5Cn");
    EXPECT_EQ(ExpandEscapes("\x95\x5C\\n", 932), "\x95\x5C\n");
    EXPECT_EQ(ExpandEscapes("\x95\x5Cn", 1252), "\x95\n");
}

}  // namespace
