#include "text/ansi_text.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "support/case_table.h"

namespace {

struct Text {
    std::string bytes;
    unsigned int codePage;
};

// Where each character of the text starts, walking it with NextCharIndex.
std::vector<std::size_t> Starts(const Text& text)
{
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.bytes.size(); i = NextCharIndex(text.bytes, i, text.codePage)) {
        starts.push_back(i);
    }
    return starts;
}

std::size_t Uncut(const Text& text)
{
    return LengthWithoutCutCharacter(text.bytes, text.codePage);
}

}  // namespace

TEST(NextCharIndex, WalksUtf8ByWholeSequences)
{
    using Positions = std::vector<std::size_t>;
    test_support::ExpectEachCase<Text, Positions>(Starts, {
        {{"a\xD0\x96" "b", CP_UTF8}, Positions{0, 1, 3}, "two bytes"},
        {{"\xE6\x97\xA5\xF0\x9F\x98\x80", CP_UTF8}, Positions{0, 3}, "three and four bytes"},
        {{"\xE6\x97" "a", CP_UTF8}, Positions{0, 1, 2}, "a sequence cut short: each byte alone"},
        {{"\x80\xFF", CP_UTF8}, Positions{0, 1}, "bytes that begin no sequence"},
        {{"\x83\x41\x83", 932}, Positions{0, 2}, "double-byte, a lead byte alone at the end"},
        {{"\xD0\x96", 1252}, Positions{0, 1}, "single-byte"},
    });
}

TEST(LengthWithoutCutCharacter, DropsOnlyACharacterCutShortAtTheEnd)
{
    test_support::ExpectEachCase<Text, std::size_t>(Uncut, {
        {{"ab\xE6\x97", CP_UTF8}, 2u, "two of three bytes"},
        {{"ab\xF0\x9F\x98", CP_UTF8}, 2u, "three of four bytes"},
        {{"ab\xD0", CP_UTF8}, 2u, "a lead byte alone"},
        {{"ab\xE6\x97\xA5", CP_UTF8}, 5u, "whole"},
        {{"ab", CP_UTF8}, 2u, "ASCII"},
        {{"", CP_UTF8}, 0u, "empty"},
        {{"a\x83\x41\x83", 932}, 3u, "a double-byte lead byte alone"},
        {{"a\x83\x83", 932}, 3u, "0x83 as a trail byte is whole"},
        {{"a\xE6", 1252}, 2u, "single-byte: nothing is cut"},
    });
}

TEST(WholeCharactersWithin, EndsOnACharacterBoundary)
{
    const std::string text = "ab\xE6\x97\xA5" "c";
    EXPECT_EQ(WholeCharactersWithin(text, 4, CP_UTF8), 2u);
    EXPECT_EQ(WholeCharactersWithin(text, 5, CP_UTF8), 5u);
    EXPECT_EQ(WholeCharactersWithin(text, 100, CP_UTF8), 6u);
    EXPECT_EQ(WholeCharactersWithin(text, 4, 1252), 4u);
}
