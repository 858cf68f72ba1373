#include "text/split_tokens.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

using Tokens = std::vector<std::string>;

const std::vector<std::string> kCommandLineDelimiters = {",", " "};

// Shift-JIS: 0x83 0x40 is a katakana letter whose trail byte is "@", and
// 0x95 0x5C a kanji whose trail byte is "\".
constexpr unsigned int kShiftJis = 932;

bool HasShiftJis()
{
    return IsValidCodePage(kShiftJis) != FALSE;
}

// Walks the tokens along `text`: each must stand where the previous one and
// a delimiter after it end, and the last one must end the text. Returns how
// many delimiters were crossed, or -1 when the tokens do not give the text back.
bool TokensFrom(const std::string& text, std::size_t position, const Tokens& tokens,
                std::size_t index, const std::vector<std::string>& delimiters)
{
    const std::string& token = tokens[index];
    if (text.compare(position, token.size(), token) != 0) {
        return false;
    }
    position += token.size();
    if (index + 1 == tokens.size()) {
        return position == text.size();
    }
    // Delimiters that begin alike ("a", "ab") may both stand here: any will do.
    return std::any_of(delimiters.begin(), delimiters.end(), [&](const std::string& d) {
        return text.compare(position, d.size(), d) == 0 &&
               TokensFrom(text, position + d.size(), tokens, index + 1, delimiters);
    });
}

int CountDelimitersBetween(const std::string& text, const Tokens& tokens,
                           const std::vector<std::string>& delimiters)
{
    if (tokens.empty() || !TokensFrom(text, 0, tokens, 0, delimiters)) {
        return -1;
    }
    return static_cast<int>(tokens.size()) - 1;
}

std::string RandomText(std::mt19937& random, const std::string& alphabet, std::size_t maxLength)
{
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string text(length(random), '\0');
    for (char& c : text) {
        c = alphabet[pick(random)];
    }
    return text;
}

Tokens WithoutEmpty(Tokens tokens)
{
    tokens.erase(std::remove(tokens.begin(), tokens.end(), std::string()), tokens.end());
    return tokens;
}

TEST(SplitTokens, EmptyTextGivesOneEmptyToken)
{
    EXPECT_EQ(SplitTokens("", kCommandLineDelimiters, false), Tokens{""});
    EXPECT_EQ(SplitTokens("", kCommandLineDelimiters, true), Tokens{});
}

TEST(SplitTokens, SplitsAtEveryDelimiterInAnyMix)
{
    EXPECT_EQ(SplitTokens("2 3600 secret", kCommandLineDelimiters, false),
              (Tokens{"2", "3600", "secret"}));
    EXPECT_EQ(SplitTokens("2,3600 secret", kCommandLineDelimiters, false),
              (Tokens{"2", "3600", "secret"}));
}

TEST(SplitTokens, AdjacentAndOuterDelimitersGiveEmptyTokens)
{
    EXPECT_EQ(SplitTokens(",a, b,", kCommandLineDelimiters, false),
              (Tokens{"", "a", "", "b", ""}));
    EXPECT_EQ(SplitTokens(",a, b,", kCommandLineDelimiters, true), (Tokens{"a", "b"}));
}

TEST(SplitTokens, TextWithoutDelimiterIsOneToken)
{
    EXPECT_EQ(SplitTokens("a/b\tc\"d", kCommandLineDelimiters, false), Tokens{"a/b\tc\"d"});
}

TEST(SplitTokens, MultiCharacterDelimiterIsRemovedWhole)
{
    EXPECT_EQ(SplitTokens("1<>2<3<>", {"<>"}, false), (Tokens{"1", "2<3", ""}));
}

TEST(SplitTokens, EarliestDelimiterWinsWhateverItsPlaceInTheList)
{
    EXPECT_EQ(SplitTokens("a;b,c", {",", ";"}, false), (Tokens{"a", "b", "c"}));
}

TEST(SplitTokens, OnATieTheLaterDelimiterInTheListWins)
{
    EXPECT_EQ(SplitTokens("xaby", {"a", "ab"}, false), (Tokens{"x", "y"}));
    EXPECT_EQ(SplitTokens("xaby", {"ab", "a"}, false), (Tokens{"x", "by"}));
}

TEST(SplitTokens, EmptyDelimitersAreIgnoredInsteadOfLoopingForever)
{
    EXPECT_EQ(SplitTokens("a,b", {"", ","}, false), (Tokens{"a", "b"}));
    EXPECT_EQ(SplitTokens("a,b", {""}, false), Tokens{"a,b"});
    EXPECT_EQ(SplitTokens("a,b", {}, false), Tokens{"a,b"});
}

TEST(SplitTokens, ZeroBytesAreOrdinaryCharacters)
{
    const std::string text("a\0b,c", 5);
    EXPECT_EQ(SplitTokens(text, kCommandLineDelimiters, false),
              (Tokens{std::string("a\0b", 3), "c"}));
}

TEST(SplitTokens, DelimiterNeverMatchesTheTrailByteOfADoubleByteCharacter)
{
    if (!HasShiftJis()) {
        GTEST_SKIP() << "code page 932 is not installed";
    }
    EXPECT_EQ(SplitTokens("a\x83\x40" "b@c", {"@"}, false, kShiftJis),
              (Tokens{"a\x83\x40" "b", "c"}));
    EXPECT_EQ(SplitTokens("\x95\x5C\\x", {"\\"}, false, kShiftJis), (Tokens{"\x95\x5C", "x"}));
    // The same bytes in a single-byte code page are two characters each.
    EXPECT_EQ(SplitTokens("\x95\x5C\\x", {"\\"}, false, 1252), (Tokens{"\x95", "", "x"}));
}

TEST(SplitTokens, LoneLeadByteAtTheEndIsOneCharacter)
{
    if (!HasShiftJis()) {
        GTEST_SKIP() << "code page 932 is not installed";
    }
    EXPECT_EQ(SplitTokens("a,\x83", kCommandLineDelimiters, false, kShiftJis),
              (Tokens{"a", "\x83"}));
}

TEST(SplitTokensProperty, CommandLineDelimitersGiveTheTextBack)
{
    std::mt19937 random(20240611);
    const std::string alphabet = "09az,, ,  /\t\"-+\xE9\x81";
    for (int round = 0; round < 5000; ++round) {
        const std::string text = RandomText(random, alphabet, 40);
        const Tokens tokens = SplitTokens(text, kCommandLineDelimiters, false);
        const int occurrences = static_cast<int>(std::count(text.begin(), text.end(), ',') +
                                                 std::count(text.begin(), text.end(), ' '));
        ASSERT_EQ(tokens.size(), static_cast<std::size_t>(occurrences) + 1) << text;
        ASSERT_EQ(CountDelimitersBetween(text, tokens, kCommandLineDelimiters), occurrences) << text;
        ASSERT_EQ(SplitTokens(text, kCommandLineDelimiters, true), WithoutEmpty(tokens)) << text;
    }
}

TEST(SplitTokensProperty, OverlappingDelimitersNeverLeaveOneInsideAToken)
{
    std::mt19937 random(7);
    const std::vector<std::string> delimiters = {"ab", "a", "bab", "cc"};
    for (int round = 0; round < 5000; ++round) {
        const std::string text = RandomText(random, "abcd", 30);
        const Tokens tokens = SplitTokens(text, delimiters, false);
        ASSERT_GE(CountDelimitersBetween(text, tokens, delimiters), 0) << text;
        for (const std::string& token : tokens) {
            for (const std::string& delimiter : delimiters) {
                ASSERT_EQ(token.find(delimiter), std::string::npos) << text;
            }
        }
    }
}

TEST(SplitTokensProperty, DoubleByteTextSplitsOnlyBetweenCharacters)
{
    if (!HasShiftJis()) {
        GTEST_SKIP() << "code page 932 is not installed";
    }
    std::mt19937 random(932);
    // Lead bytes, trail bytes that equal the delimiters, plain characters.
    const std::string alphabet = "\x83\x95\x81@\\@\\ax";
    const std::vector<std::string> delimiters = {"@", "\\"};
    for (int round = 0; round < 5000; ++round) {
        const std::string text = RandomText(random, alphabet, 30);
        const Tokens tokens = SplitTokens(text, delimiters, false, kShiftJis);
        ASSERT_GE(CountDelimitersBetween(text, tokens, delimiters), 0);
        // Every cut lies on a character boundary of the whole text, as the
        // platform's own CharNextExA walks it.
        std::vector<bool> boundary(text.size() + 1, false);
        for (const char* c = text.c_str(); *c != '\0'; c = CharNextExA(kShiftJis, c, 0)) {
            boundary[static_cast<std::size_t>(c - text.c_str())] = true;
        }
        std::size_t position = 0;
        for (std::size_t i = 0; i + 1 < tokens.size(); ++i) {
            position += tokens[i].size();
            ASSERT_TRUE(boundary[position]) << "cut inside a character at " << position;
            position += 1;
        }
    }
}

}  // namespace
