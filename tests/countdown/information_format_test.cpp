#include "countdown/information_format.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

TEST(IsSafeInformationFormatTest, PrefixesOfStringAndThreeIntegersAreSafe)
{
    for (const char* format : {"%s in %d:%02d:%02d", "%s\r\n%lu h %02u min %02X s", "%s", "%s %d", "%s %i %x",
                               "%-20s%5d%-0d%07.3d", "%hs %ld", "%.10s", "%-05.3s%.d"}) {
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
                               "%s %*d", "%.*s", "%s %q", "%s %f", "%#x", "%s %#d", "%-#5x", "%s %lld", "%",
                               "%99999999999s", "%s %.4294967297d", "%12345s", "%s %.12345d", "%s %-000001d"}) {
        EXPECT_FALSE(IsSafeInformationFormat(format)) << format;
    }
}

// wvsprintfA knows only "-", "#" and "0", each once and in that order; any
// other flag ends the conversion and every later one reads a shifted argument.
TEST(IsSafeInformationFormatTest, FlagsWvsprintfDoesNotKnowOrOutOfOrderAreUnsafe)
{
    for (const char* format : {"%s %+d:%02d:%02d", "%+s %d:%02d:%02d", "% s", "%s % d", "%0-5s", "%--5s",
                               "%s %00-5d", "%-+5s", "%s %-5-d", "%s %5-d", "%s %.3-d", "%s %l-d"}) {
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

// The real wvsprintfA, with its arguments laid out as the program lays them:
// an array of pointer-sized slots.
std::string Wvsprintf(const std::string& format, const std::vector<ULONG_PTR>& slots)
{
    std::vector<ULONG_PTR> padded = slots;
    padded.resize(slots.size() + 4, 0);  // nothing read past the end, should the format ask for more
    char buffer[1025] = {};
    ::wvsprintfA(buffer, format.c_str(), reinterpret_cast<va_list>(padded.data()));
    return buffer;
}

// Why "+" is refused: wvsprintfA prints "+d" as text and the hours land in
// the minutes' place.
TEST(IsSafeInformationFormatTest, WvsprintfShiftsTheArgumentsAfterAnUnknownFlag)
{
    const char name[] = "Name";
    EXPECT_EQ("Name +d:01:02", Wvsprintf("%s %+d:%02d:%02d", {reinterpret_cast<ULONG_PTR>(name), 1, 2, 3}));
}

// A random format built from pieces whose borders the generator knows: text,
// "%%", and conversions that always end in a type character (valid or not),
// so that no piece runs on into the next one.
struct GeneratedFormat {
    std::string text;
    std::vector<std::string> pieces;
    std::vector<bool> isConversion;
};

class FormatGenerator {
public:
    GeneratedFormat Next()
    {
        GeneratedFormat format;
        const unsigned pieceCount = Below(8);
        unsigned conversions = 0;
        for (unsigned i = 0; i < pieceCount; ++i) {
            const unsigned kind = Below(10);
            std::string piece;
            bool conversion = false;
            if (kind < 4) {
                piece = Text();
            } else if (kind == 4) {
                piece = "%%";
            } else {
                piece = Conversion(conversions++);
                conversion = true;
            }
            format.text += piece;
            format.pieces.push_back(piece);
            format.isConversion.push_back(conversion);
        }
        return format;
    }

private:
    // The engine's own output: the same sequence with every standard library,
    // unlike the distributions.
    unsigned Below(unsigned n) { return static_cast<unsigned>(engine_() % n); }

    char Pick(const char* pool) { return pool[Below(static_cast<unsigned>(std::char_traits<char>::length(pool)))]; }

    std::string Text()
    {
        // No "%": every conversion in the format is one the generator made.
        std::string text;
        for (unsigned n = 1 + Below(6); n > 0; --n) {
            text += Pick("ab :-.0123456789lhsdiuxX#+ \t\n\xe9");
        }
        return text;
    }

    // A number of 1 to 5 digits whose value stays small (leading zeros), so
    // that the output never reaches wvsprintfA's 1,024-character limit.
    std::string Number()
    {
        std::string digits = std::to_string(Below(40));
        while (digits.size() < 1 + Below(5)) {
            digits.insert(digits.begin(), '0');
        }
        return digits;
    }

    std::string Conversion(unsigned position)
    {
        std::string conversion = "%";
        if (Below(4) == 0) {
            for (unsigned n = 1 + Below(3); n > 0; --n) {
                conversion += Pick("-0#+ ");
            }
        } else {
            const char* const plausible[] = {"", "-", "0", "-0"};
            conversion += plausible[Below(4)];
        }
        if (Below(2) == 0) {
            conversion += Number();
        }
        if (Below(3) == 0) {
            conversion += '.';
            if (Below(4) != 0) {
                conversion += Number();
            }
        }
        if (Below(3) == 0) {
            const char* const sizes[] = {"l", "h", "l", "h", "w", "I", "I64", "I32", "ll", "L"};
            conversion += sizes[Below(10)];
        }
        // Mostly the type the position asks for, sometimes any other.
        if (Below(5) != 0) {
            conversion += position == 0 ? 's' : Pick("diuxX");
        } else {
            conversion += Pick("sdiuxXcCSpnfegoqZ");
        }
        return conversion;
    }

    std::mt19937 engine_{20261207u};
};

// Sentinels that cannot be mistaken for one another, whatever reads them.
const char kName[] = "NaMe";
constexpr ULONG_PTR kHours = 4000000000u;  // negative as %d
constexpr ULONG_PTR kMinutes = 0x2B7;
constexpr ULONG_PTR kSeconds = 61;
constexpr ULONG_PTR kProbe = 0x5EB7C0DE;
constexpr ULONG_PTR kBeyond = 0xBE70;

ULONG_PTR ArgumentAt(std::size_t position)
{
    const ULONG_PTR arguments[] = {reinterpret_cast<ULONG_PTR>(kName), kHours, kMinutes, kSeconds};
    return arguments[position];
}

// For every generated format the check accepts, the real wvsprintfA must read
// exactly the arguments the check expects: each conversion the argument of
// its position, and nothing after the last one. The whole format, followed
// by a probe conversion, must print what its pieces print one by one, each
// given its own argument; the probe must print the slot that follows the
// format's arguments. A conversion that ends early, or reads one argument
// too many or too few, shifts the probe and every later conversion.
TEST(IsSafeInformationFormatTest, AcceptedFormatsReadExactlyTheirArgumentsInTheRealWvsprintf)
{
    FormatGenerator generator;
    int accepted = 0;
    int refused = 0;
    int failures = 0;
    for (int i = 0; i < 20000 && failures < 10; ++i) {
        const GeneratedFormat format = generator.Next();
        if (!IsSafeInformationFormat(format.text)) {
            ++refused;
            continue;
        }
        ++accepted;
        std::string expected;
        std::vector<ULONG_PTR> slots;
        for (std::size_t p = 0; p < format.pieces.size(); ++p) {
            if (!format.isConversion[p]) {
                expected += format.pieces[p] == "%%" ? "%" : format.pieces[p];
                continue;
            }
            const ULONG_PTR argument = ArgumentAt(slots.size());
            expected += Wvsprintf(format.pieces[p], {argument});
            slots.push_back(argument);
        }
        expected += "<5EB7C0DE>";
        slots.push_back(kProbe);
        slots.push_back(kBeyond);
        const std::string actual = Wvsprintf(format.text + "<%X>", slots);
        if (actual != expected) {
            ++failures;
            ADD_FAILURE() << "format \"" << format.text << "\" with " << slots.size() - 2
                          << " arguments\n  wvsprintfA: \"" << actual << "\"\n  expected:   \"" << expected << '"';
        }
    }
    // The generator must exercise both sides of the check.
    EXPECT_GE(accepted, 3000);
    EXPECT_GE(refused, 3000);
}

}  // namespace
