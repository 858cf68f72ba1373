#include "app/command_line.h"

#include "text/decimal_text.h"
#include "text/split_tokens.h"

#include <gtest/gtest.h>

#include "support/case_table.h"

#include <windows.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

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
    test_support::ExpectEachCase<const char*, std::string>([](const char* line) { return TrimCommandLine(line); },
        {
            {"//2 3600 pw//", "2 3600 pw", "slashes"},
            {" / 2,3600,pw / ", "2,3600,pw", "slashes and spaces"},
            {"2/3 / 4", "2/3 / 4", "inside, they stay"},
            {"\t2 3 4\t ", "\t2 3 4\t", "tabs and other white space stay"},
            {"", "", "nothing"},
            {" // / ", "", "nothing but slashes and spaces"},
        });
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

TEST(ParseCommandLine, ActionOrDelayThatIsNotPlainDigitsIsNotARun)
{
    // Each of these once carried out an action that nobody asked for, at
    // once or after a wrong delay.
    for (const char* line : {"0,,", "2,,", ",20,", "abc,20,", "3x,20,", "0,abc,", "0,0x10,", "0,1e3,",
                             "0,5min,", "0,90sec,", "0,+5,", "+1,5,", "0, 5,", "0,\t5,", "0,5\t,",
                             "\"2 3600 pw\"", "0,\"5\",", "0,'5',", "0,5.0,", "0,\xB2,", "0,\xEF\xBC\x95,"}) {
        const ParseResult run = Parse(line);
        EXPECT_FALSE(run.accepted) << line;
        ExpectUntouched(run.parameters);
    }
}

TEST(ParseCommandLine, LeadingZerosAreStillDigits)
{
    const ParseResult run = Parse("002,0060,");
    ASSERT_TRUE(run.accepted);
    EXPECT_EQ(run.parameters.action, ShutdownAction::Shutdown);
    EXPECT_EQ(run.parameters.delaySeconds, 60);
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
        const std::vector<std::string> tokens = SplitTokens(TrimCommandLine(line), {",", " "}, false);
        ASSERT_EQ(tokens.size(), 3u) << line;
        ASSERT_TRUE(IsPlainDigits(tokens[0]) && IsPlainDigits(tokens[1])) << line;
    }
}

// --- The program's own command line, read in UTF-16 ----------------------------

TEST(ArgumentsOfCommandLine, SkipsTheProgramsNameAsTheRuntimeDoes)
{
    EXPECT_EQ(ArgumentsOfCommandLine(L"\"C:\\Program Files\\T.exe\" 2,3600,x"), L"2,3600,x");
    EXPECT_EQ(ArgumentsOfCommandLine(L"T.exe   2 3600 x"), L"2 3600 x");
    EXPECT_EQ(ArgumentsOfCommandLine(L"T.exe\t 2,3600,"), L"2,3600,");
    EXPECT_EQ(ArgumentsOfCommandLine(L"C:\\a\"b c\"\\T.exe 2,3600,"), L"2,3600,");
    EXPECT_EQ(ArgumentsOfCommandLine(L"\"C:\\a b\\T.exe\""), L"");
    EXPECT_EQ(ArgumentsOfCommandLine(L"T.exe 2,3600,  "), L"2,3600,  ");
    EXPECT_EQ(ArgumentsOfCommandLine(L""), L"");
    EXPECT_EQ(ArgumentsOfCommandLine(nullptr), L"");
}

class ProgramCommandLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!IsValidCodePage(kWestern)) {
            GTEST_SKIP() << "code page 1252 is not installed";
        }
    }

    static ParseResult Parse(const wchar_t* commandLine)
    {
        ParseResult run{false, Untouched()};
        run.accepted = ParseProgramCommandLine(commandLine, run.parameters, kWestern);
        return run;
    }

    static constexpr unsigned int kWestern = 1252;
};

TEST_F(ProgramCommandLine, RunFromAFolderOutsideTheCodePageIsARun)
{
    // "C:\Тест Ελλάδα\T.exe": the name is skipped, not converted.
    const ParseResult run =
        Parse(L"\"C:\\\x0422\x0435\x0441\x0442 \x0395\x03BB\x03BB\x03AC\x03B4\x03B1\\T.exe\" 4,90,pw");
    ASSERT_TRUE(run.accepted);
    EXPECT_EQ(run.parameters.action, ShutdownAction::Restart);
    EXPECT_EQ(run.parameters.delaySeconds, 90);
    EXPECT_EQ(run.parameters.password, "pw");
}

TEST_F(ProgramCommandLine, PasswordInTheCodePageIsKeptInIt)
{
    const ParseResult run = Parse(L"T.exe 2,60,\x00E9t\x00E9");  // "été"
    ASSERT_TRUE(run.accepted);
    EXPECT_EQ(run.parameters.password, "\xE9t\xE9");
}

TEST_F(ProgramCommandLine, TokenThatTheCodePageCannotHoldIsNoRun)
{
    // Best fit would make "Lodz" of the password; a plain conversion "??d?",
    // which typing "??d?" would cancel. An Arabic-Indic digit is no digit.
    for (const wchar_t* line : {L"T.exe 2,60,\x0141\x00F3\x0064\x017A", L"T.exe 2,60,\x0416", L"T.exe 2,6\x0660,",
                                L"T.exe \x0661,60,", L"T.exe 2,60,pw\xD800"}) {
        const ParseResult run = Parse(line);
        EXPECT_FALSE(run.accepted);
        ExpectUntouched(run.parameters);
    }
}

// Where the process's code page is UTF-8, every script is a password, and
// the trims and splits walk whole UTF-8 characters.
TEST(ProgramCommandLineInUtf8, PasswordInAnyScriptIsARun)
{
    RunParameters run = Untouched();
    // "пароль日本" and a trailing slash, which is trimmed.
    ASSERT_TRUE(ParseProgramCommandLine(L"T.exe 2,60,\x043F\x0430\x0440\x043E\x043B\x044C\x65E5\x672C/", run,
                                        CP_UTF8));
    EXPECT_EQ(run.password, "\xD0\xBF\xD0\xB0\xD1\x80\xD0\xBE\xD0\xBB\xD1\x8C\xE6\x97\xA5\xE6\x9C\xAC");
    // A lone surrogate is no character of any code page.
    RunParameters lone = Untouched();
    EXPECT_FALSE(ParseProgramCommandLine(L"T.exe 2,60,pw\xD800", lone, CP_UTF8));
    ExpectUntouched(lone);
}

TEST(TrimCommandLine, KeepsWholeUtf8Characters)
{
    // "Ж/" and "日 ": the slash and the space after a multibyte character go,
    // the character stays whole.
    EXPECT_EQ(TrimCommandLine("/ 0,3,\xD0\x96/", CP_UTF8), "0,3,\xD0\x96");
    EXPECT_EQ(TrimCommandLine("0,3,\xE6\x97\xA5 ", CP_UTF8), "0,3,\xE6\x97\xA5");
}

}  // namespace
