#include "controls/label_colour.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kOwn = RGB(0xB4, 0x46, 0x00);

TEST(LabelColourTest, WithoutAnAnswerTheLabelKeepsItsOwnColour)
{
    EXPECT_EQ(LabelTextColour(true, false, 0, kOwn), kOwn);
    // Anything that is not an answer, e.g. a dialog procedure's stray result.
    EXPECT_EQ(LabelTextColour(true, false, 1, kOwn), kOwn);
    EXPECT_EQ(LabelTextColour(true, false, 0x03000000, kOwn), kOwn);
}

TEST(LabelColourTest, AnAnsweredColourWinsBlackIncluded)
{
    EXPECT_EQ(LabelTextColour(true, false, LabelColourAnswer(RGB(0xF0, 0xA0, 0x50)), kOwn), RGB(0xF0, 0xA0, 0x50));
    EXPECT_EQ(LabelTextColour(true, false, LabelColourAnswer(RGB(0, 0, 0)), kOwn), RGB(0, 0, 0));
}

TEST(LabelColourTest, HighContrastTakesTheThemesWindowText)
{
    // A fixed black heading would vanish on a black High Contrast theme.
    EXPECT_EQ(LabelTextColour(true, true, 0, RGB(0, 0, 0)), ::GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(LabelTextColour(true, true, LabelColourAnswer(RGB(1, 2, 3)), kOwn), ::GetSysColor(COLOR_WINDOWTEXT));
}

TEST(LabelColourTest, DisabledIsGreyInEveryMode)
{
    for (bool highContrast : {false, true}) {
        EXPECT_EQ(LabelTextColour(false, highContrast, LabelColourAnswer(RGB(1, 2, 3)), kOwn),
                  ::GetSysColor(COLOR_GRAYTEXT));
    }
}

TEST(LabelColourTest, BoldLabelsAreHeadings)
{
    LOGFONTA logFont{};
    logFont.lfHeight = -11;
    lstrcpyA(logFont.lfFaceName, "Tahoma");
    logFont.lfWeight = 900;
    HFONT bold = ::CreateFontIndirectA(&logFont);
    logFont.lfWeight = 0;
    HFONT regular = ::CreateFontIndirectA(&logFont);
    EXPECT_EQ(LabelKindOf(bold), LabelKind::Heading);
    EXPECT_EQ(LabelKindOf(regular), LabelKind::Information);
    EXPECT_EQ(LabelKindOf(nullptr), LabelKind::Information);
    ::DeleteObject(bold);
    ::DeleteObject(regular);
}

}  // namespace
