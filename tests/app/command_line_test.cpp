#include "app/command_line.h"

#include "app/split_tokens.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace {

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();

// A record that no command line produces, to see that a refused line leaves it alone.
RunParameters Untouched()
{
    RunParameters parameters;
    parameters.action = static_cast<ShutdownAction>(77);
    parameters.delaySeconds = 4242;
    parameters.password = "earlier";
    return parameters;
}

void ExpectUntouched(const RunParameters& parameters)
{
    EXPECT_EQ(parameters.action, static_cast<ShutdownAction>(77));
    EXPECT_EQ(parameters.delaySeconds, 4242);
    EXPECT_EQ(parameters.password, "earlier");
}

struct ParseResult {
    bool accepted;
    RunParameters parameters;
};

ParseResult Parse(const char* commandLine)
{
    ParseResult run{false, Untouched()};
    run.accepted = ParseCommandLine(commandLine, run.parameters);
    return run;
}

// --- Trimming -------------------------------------------------------------

TEST(TrimCommandLine, RemovesSlashesAndSpacesAtBothEndsOnly)
{
    EXPECT_EQ(TrimCommandLine("//2 3600 pw//"), "2 3600 pw");
    EXPECT_EQ(TrimCommandLine(" / 2,3600,pw / "), "2,3600,pw");
    EXPECT_EQ(TrimCommandLine("2/3 / 4"), "2/3 / 4");
}

TEST(TrimCommandLine, KeepsTabsAndOtherWhiteSpace)
{
    EXPECT_EQ(TrimCommandLine("\t2 3 4\t "), "\t2 3 4\t");
}

TEST(TrimCommandLine, NothingButSlashesAndSpacesGivesEmpty)
{
    EXPECT_EQ(TrimCommandLine(""), "");
    EXPECT_EQ(TrimCommandLine(" // / "), "");
}

TEST(TrimCommandLine, NeverCutsADoubleByteCharacter)
{
    if (!IsValidCodePage(932)) {
        GTEST_SKIP() << "code page 932 is not installed";
    }
    // 0x81 is a lead byte in Shift-JIS, so "\x81/" is one character and stays.
    EXPECT_EQ(TrimCommandLine("1 2 pw\x81/ /", 932), "1 2 pw\x81/");
    EXPECT_EQ(TrimCommandLine("1 2 pw\x81/ /", 1252), "1 2 pw\x81");
}

// --- Schedulable delays -------------------------------------------------------

TEST(IsSchedulableDelay, AcceptsWhatFitsOneWindowTimer)
{
    EXPECT_TRUE(IsSchedulableDelay(0));
    EXPECT_TRUE(IsSchedulableDelay(3600));
    EXPECT_TRUE(IsSchedulableDelay(2147483));  // 2,147,483,000 ms
    EXPECT_FALSE(IsSchedulableDelay(2147484));  // 2,147,484,000 ms > 0x7FFFFFFF
    EXPECT_FALSE(IsSchedulableDelay(-1));
    EXPECT_FALSE(IsSchedulableDelay(kInt32Max));
    EXPECT_FALSE(IsSchedulableDelay(kInt32Min));
}

// --- Whole command lines ----------------------------------------------------

TEST(ParseCommandLine, SpaceOrCommaSeparatedTokensGiveARun)
{
    for (const char* line : {"2 3600 secret", "2,3600,secret", "2,3600 secret"}) {
        const ParseResult run = Parse(line);
        ASSERT_TRUE(run.accepted) << line;
        EXPECT_EQ(run.parameters.action, ShutdownAction::Shutdown) << line;
        EXPECT_EQ(run.parameters.delaySeconds, 3600) << line;
        EXPECT_EQ(run.parameters.password, "secret") << line;
    }
}

TEST(ParseCommandLine, SlashesAndSpacesAroundTheLineAreTrimmed)
{
    for (const char* line : {"/2 3600 secret/", "  2 3600 secret  ", "// 2,3600,secret //"}) {
        const ParseResult run = Parse(line);
        ASSERT_TRUE(run.accepted) << line;
        EXPECT_EQ(run.parameters.delaySeconds, 3600) << line;
        EXPECT_EQ(run.parameters.password, "secret") << line;
    }
}

TEST(ParseCommandLine, TrailingCommaGivesARunWithoutPassword)
{
    const ParseResult run = Parse("4,90,");
    ASSERT_TRUE(run.accepted);
    EXPECT_EQ(run.parameters.action, ShutdownAction::Restart);
    EXPECT_EQ(run.parameters.delaySeconds, 90);
    EXPECT_EQ(run.parameters.password, "");
}

TEST(ParseCommandLine, WithoutThreeTokensNothingIsStored)
{
    for (const char* line : {"", "   ", "2", "2 3600 ", "2  3600 pw", "2, 3600,pw", "1 2 3 4"}) {
        const ParseResult run = Parse(line);
        EXPECT_FALSE(run.accepted) << '"' << line << '"';
        ExpectUntouched(run.parameters);
    }
}

TEST(ParseCommandLine, NullCountsAsEmpty)
{
    const ParseResult run = Parse(nullptr);
    EXPECT_FALSE(run.accepted);
    ExpectUntouched(run.parameters);
}

TEST(ParseCommandLine, NumbersAreReadLikeAtol)
{
    ParseResult run = Parse("abc 10 pw");
    ASSERT_TRUE(run.accepted);
    EXPECT_EQ(run.parameters.action, ShutdownAction::Standby);
    run = Parse("1 90sec pw");
    ASSERT_TRUE(run.accepted);
    EXPECT_EQ(run.parameters.delaySeconds, 90);
}

TEST(ParseCommandLine, DoubleQuotesHaveNoMeaning)
{
    const ParseResult run = Parse("\"2 3600 pw\"");
    ASSERT_TRUE(run.accepted);
    EXPECT_EQ(run.parameters.action, ShutdownAction::Standby);
    EXPECT_EQ(run.parameters.delaySeconds, 3600);
    EXPECT_EQ(run.parameters.password, "pw\"");
}

TEST(ParseCommandLine, PasswordLosesTrailingSlashes)
{
    const ParseResult run = Parse("1 5 pa/ss//");
    ASSERT_TRUE(run.accepted);
    EXPECT_EQ(run.parameters.password, "pa/ss");
}

TEST(ParseCommandLine, ActionOutsideTheKnownOnesIsNotARun)
{
    for (const char* line : {"6 10 x", "9,1,", "-1 10 x", "99999999999 10 x", "-99999999999,10,"}) {
        const ParseResult run = Parse(line);
        EXPECT_FALSE(run.accepted) << line;
        ExpectUntouched(run.parameters);
    }
    for (const char* line : {"0,1,", "5,1,"}) {
        EXPECT_TRUE(Parse(line).accepted) << line;
    }
}

TEST(ParseCommandLine, DelayThatNoTimerCanHoldIsNotARun)
{
    for (const char* line : {"2 -1 pw", "2 2147484 pw", "2 99999999999 pw", "2,-99999999999,"}) {
        const ParseResult run = Parse(line);
        EXPECT_FALSE(run.accepted) << line;
        ExpectUntouched(run.parameters);
    }
}

TEST(ParseCommandLine, LongestAndShortestSchedulableDelaysAreRuns)
{
    ParseResult run = Parse("2 2147483 pw");
    ASSERT_TRUE(run.accepted);
    EXPECT_EQ(run.parameters.delaySeconds, 2147483);
    run = Parse("2 0 pw");
    ASSERT_TRUE(run.accepted);
    EXPECT_EQ(run.parameters.delaySeconds, 0);
}

TEST(ParseCommandLineProperty, AnyLineIsEitherASchedulableRunOrLeftAlone)
{
    std::mt19937 random(1202);
    const std::string alphabet = "0123456789-+/, ,  \"\tpw\xE9";
    std::uniform_int_distribution<std::size_t> length(0, 24);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int round = 0; round < 5000; ++round) {
        std::string line(length(random), '\0');
        for (char& c : line) {
            c = alphabet[pick(random)];
        }
        const ParseResult run = Parse(line.c_str());
        if (!run.accepted) {
            ExpectUntouched(run.parameters);
            continue;
        }
        const std::string& password = run.parameters.password;
        ASSERT_TRUE(IsSchedulableDelay(run.parameters.delaySeconds)) << line;
        ASSERT_TRUE(IsKnownAction(static_cast<std::int32_t>(run.parameters.action))) << line;
        ASSERT_EQ(password.find_first_of(", "), std::string::npos) << line;
        ASSERT_TRUE(password.empty() || (password.back() != '/' && password.back() != ' ')) << line;
        ASSERT_EQ(SplitTokens(TrimCommandLine(line), {",", " "}, false).size(), 3u) << line;
    }
}

}  // namespace
