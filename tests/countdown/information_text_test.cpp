#include "countdown/information_text.h"

#include <gtest/gtest.h>

#include <string>

#include "lang/language_table.h"
#include "support/language_file.h"

namespace {

RemainingTime Time(std::uint32_t hours, std::uint32_t minutes, std::uint32_t seconds)
{
    RemainingTime time;
    time.hours = hours;
    time.minutes = minutes;
    time.seconds = seconds;
    return time;
}

const char kFallback[] = "Shut down\n1:02:03";

TEST(FormatInformationTextTest, FillsTheLanguageFilesFormat)
{
    EXPECT_EQ("Shut down in 1:02:03",
              FormatInformationText("%s in %d:%02d:%02d", "Shut down", Time(1, 2, 3)));
    EXPECT_EQ("Standby\r\n25 h 00 min 59 s",
              FormatInformationText("%s\r\n%u h %02u min %02u s", "Standby", Time(25, 0, 59)));
}

TEST(FormatInformationTextTest, FormatMayUseFewerArguments)
{
    EXPECT_EQ("[Logoff]", FormatInformationText("[%s]", "Logoff", Time(1, 2, 3)));
    EXPECT_EQ("Logoff 7", FormatInformationText("%s %d", "Logoff", Time(7, 2, 3)));
}

TEST(FormatInformationTextTest, TextWithoutConversionsComesBackAsIs)
{
    EXPECT_EQ("_InformationFormate", FormatInformationText("_InformationFormate", "x", Time(1, 2, 3)));
    EXPECT_EQ("", FormatInformationText("", "x", Time(1, 2, 3)));
    EXPECT_EQ("100% sure", FormatInformationText("100%% sure", "x", Time(1, 2, 3)));
}

TEST(FormatInformationTextTest, EmptyActionName)
{
    EXPECT_EQ(" in 0:00:05", FormatInformationText("%s in %d:%02d:%02d", "", Time(0, 0, 5)));
}

TEST(FormatInformationTextTest, HostileFormatsFallBackToTheFixedLayout)
{
    for (const char* format : {"%s%s%s", "%d %s", "%s%d%d%d%d", "%n", "%ls", "%*d", "%", "%s %p", "%#x",
                               "%s in %d:%02d:%02d %s"}) {
        EXPECT_EQ(kFallback, FormatInformationText(format, "Shut down", Time(1, 2, 3))) << format;
    }
}

TEST(FormatInformationTextTest, FallbackShowsLargeHours)
{
    EXPECT_EQ("\n596523:14:07", FormatInformationText("%n", "", SplitRemaining(INT32_MAX)));
}

TEST(FormatInformationTextTest, OverlongFormatIsCutAt1024Characters)
{
    const std::string format = "%s in %d:%02d:%02d " + std::string(5000, 'x');
    const std::string text = FormatInformationText(format, "Shut down", Time(1, 2, 3));
    ASSERT_LE(text.size(), 1024u);
    EXPECT_GE(text.size(), 1000u);
    EXPECT_EQ(0u, text.rfind("Shut down in 1:02:03 xxx", 0));
    EXPECT_EQ(std::string::npos, text.find_first_not_of('x', 21));

    // Conversions beyond the cut are never reached.
    const std::string late = FormatInformationText(std::string(5000, 'y') + "%s %d", "Name", Time(1, 2, 3));
    ASSERT_LE(late.size(), 1024u);
    EXPECT_EQ(std::string::npos, late.find_first_not_of('y'));
}

TEST(FormatInformationTextTest, HugeWidthsStayInsideTheBuffer)
{
    const std::string text = FormatInformationText("%1000s|%1000d|%02000d", "Name", Time(1, 2, 3));
    ASSERT_LE(text.size(), 1024u);
    EXPECT_EQ(std::string(996, ' ') + "Name|", text.substr(0, 1001));
}

TEST(FormatInformationTextTest, LongActionNameIsCut)
{
    const std::string name(3000, 'n');
    const std::string text = FormatInformationText("%s %d", name, Time(1, 2, 3));
    ASSERT_LE(text.size(), 1024u);
    EXPECT_EQ(std::string::npos, text.find_first_not_of('n'));
}

// wvsprintfA counts bytes: its precision and its cut at 1,024 would split a
// multibyte character, and the label would show a broken one.
TEST(FormatInformationTextTest, CutsBetweenTheCharactersOfTheCodePage)
{
    const std::string hibernate = "\xD0\x93\xD0\xB8\xD0\xB1";  // "Гиб" in UTF-8, two bytes each
    EXPECT_EQ("\xD0\x93\xD0\xB8!", FormatInformationText("%.5s!", hibernate, Time(1, 2, 3), CP_UTF8));
    EXPECT_EQ("\xD0\x93!", FormatInformationText("%.3s!", hibernate, Time(1, 2, 3), CP_UTF8));
    EXPECT_EQ(hibernate + "!", FormatInformationText("%.6s!", hibernate, Time(1, 2, 3), CP_UTF8));
    // "テスト" in code page 932, two bytes each.
    EXPECT_EQ("\x83\x65\x83\x58!", FormatInformationText("%.5s!", "\x83\x65\x83\x58\x83\x67", Time(1, 2, 3), 932));

    // Three-byte and double-byte characters across the end of wvsprintfA's
    // buffer: the text ends before the one it would cut, wherever that falls.
    const std::string sun = "\xE6\x97\xA5";
    const std::string katakana = "\x83\x65";
    for (std::size_t before : {1019u, 1020u, 1021u, 1022u}) {
        std::string format(before, 'x');
        for (int i = 0; i < 3; ++i) {
            format += sun;
        }
        const std::string text = FormatInformationText(format, "", Time(1, 2, 3), CP_UTF8);
        EXPECT_GE(text.size(), 1019u);
        EXPECT_EQ(format.compare(0, text.size(), text), 0);
        EXPECT_EQ((text.size() - before) % 3, 0u) << before << ": a character was cut";

        const std::string japanese =
            FormatInformationText(std::string(before, 'x') + katakana + katakana + katakana, "", Time(1, 2, 3), 932);
        EXPECT_GE(japanese.size(), 1019u);
        EXPECT_EQ((japanese.size() - before) % 2, 0u) << before << ": a double-byte character was cut";
    }
}

TEST(CountdownInformationTextTest, FillsTheLanguagesFormatWithTheActionsNameAndTheTime)
{
    const test_support::ScopedLanguageFile language("_Hibernate=hibernate\r\n"
                                                    "_InformationFormate=Going to %s in %d:%02d:%02d\r\n");
    EXPECT_EQ("Going to hibernate in 1:02:05",
              CountdownInformationText(ShutdownAction::Hibernate, 3725, TheLanguageTable()));
}

TEST(CountdownInformationTextTest, ActionOutsideTheSixHasNoName)
{
    const test_support::ScopedLanguageFile language("_InformationFormate=[%s] %d:%02d:%02d\r\n");
    EXPECT_EQ("[] 0:00:15", CountdownInformationText(static_cast<ShutdownAction>(42), 15, TheLanguageTable()));
}

}  // namespace
