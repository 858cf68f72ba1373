// XML's numbers read without a library, in every locale.
#include "skin/xml_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(XmlNumber, ValuesAsWritten)
{
    const struct {
        const wchar_t* text;
        double value;
    } cases[] = {
        {L"0", 0.0},
        {L"-1", -1.0},
        {L"+2", 2.0},
        {L"0.25", 0.25},
        {L".5", 0.5},
        {L"3.", 3.0},
        {L"1e-1", 0.1},
        {L"2.5E+1", 25.0},
        {L"007.50", 7.5},
        {L"0.000001", 1e-6},
        {L"-12345678901234567", -12345678901234567.0},
        // More digits than a double holds, and exponents beyond the exact
        // powers of ten: within a double's last digit of the exact value.
        {L"0.1000000000000000000000001", 0.1},
        {L"123456789012345678901234567890", 1.2345678901234568e29},
        {L"1e-30", 1e-30},
        {L"4.5e300", 4.5e300},
    };
    for (const auto& [text, value] : cases) {
        const std::optional<double> read = XmlNumberValue(text);
        ASSERT_TRUE(read.has_value()) << ::testing::PrintToString(std::wstring(text));
        EXPECT_DOUBLE_EQ(*read, value) << ::testing::PrintToString(std::wstring(text));
    }
}

TEST(XmlNumber, ExponentsBeyondADoubleGiveInfinityOrZero)
{
    EXPECT_EQ(XmlNumberValue(L"1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(XmlNumberValue(L"-1e99999999999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(XmlNumberValue(L"1e-400"), 0.0);
    EXPECT_EQ(XmlNumberValue(L"0e999"), 0.0);
}

TEST(XmlNumber, AnythingElseIsNoNumber)
{
    for (const wchar_t* text : {L"", L" 1", L"1 ", L"1,5", L"1.2.3", L"--1", L"+-1", L"e5", L"1e", L"1e+", L".", L"-",
                                L"0x10", L"NaN", L"INF", L"1_000", L"\x0661"}) {
        EXPECT_EQ(XmlNumberValue(text), std::nullopt) << ::testing::PrintToString(std::wstring(text));
    }
}

}  // namespace
