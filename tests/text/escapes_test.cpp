#include "text/escapes.h"

#include <gtest/gtest.h>

#include "support/case_table.h"

#include <windows.h>

namespace {

TEST(ExpandEscapes, OnlyBackslashRAndBackslashNAreEscapes)
{
    test_support::ExpectEachCase<const char*, std::string>([](const char* text) { return ExpandEscapes(text); },
        {
            {"One.\\r\\nTwo.", "One.\r\nTwo."},
            {"One.\\nTwo.", "One.\nTwo."},
            {"\\n\\n\\r", "\n\n\r"},
            {"a\\\\nb", "a\\\nb", "a doubled backslash before n: a backslash and a line feed"},
            {"\\N \\R \\t \\\\ C:\\dir\\", "\\N \\R \\t \\\\ C:\\dir\\", "other backslashes stay"},
            {"", ""},
        });
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
