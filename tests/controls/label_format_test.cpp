#include "controls/label_format.h"

#include <gtest/gtest.h>

namespace {

TEST(LabelDrawFormatTest, TemplateStyleIsLeftAlignedAndWrapped)
{
    EXPECT_EQ(static_cast<UINT>(DT_LEFT | DT_WORDBREAK), LabelDrawFormat(0x50020000));
    EXPECT_EQ(static_cast<UINT>(DT_LEFT | DT_WORDBREAK), LabelDrawFormat(SS_LEFT));
}

TEST(LabelDrawFormatTest, Alignment)
{
    EXPECT_EQ(static_cast<UINT>(DT_CENTER | DT_WORDBREAK), LabelDrawFormat(SS_CENTER));
    EXPECT_EQ(static_cast<UINT>(DT_RIGHT | DT_WORDBREAK), LabelDrawFormat(SS_RIGHT));
    // Both bits: right wins.
    EXPECT_EQ(static_cast<UINT>(DT_RIGHT | DT_WORDBREAK), LabelDrawFormat(SS_CENTER | SS_RIGHT));
}

TEST(LabelDrawFormatTest, CenterImageGivesOneVerticallyCenteredLine)
{
    EXPECT_EQ(static_cast<UINT>(DT_LEFT | DT_VCENTER | DT_SINGLELINE), LabelDrawFormat(SS_CENTERIMAGE));
    EXPECT_EQ(static_cast<UINT>(DT_CENTER | DT_VCENTER | DT_SINGLELINE),
              LabelDrawFormat(WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE));
    EXPECT_EQ(static_cast<UINT>(DT_RIGHT | DT_VCENTER | DT_SINGLELINE), LabelDrawFormat(SS_RIGHT | SS_CENTERIMAGE));
}

TEST(LabelDrawFormatTest, AmpersandsAreMnemonics)
{
    EXPECT_EQ(0u, LabelDrawFormat(SS_LEFT) & DT_NOPREFIX);
    EXPECT_EQ(0u, LabelDrawFormat(SS_CENTERIMAGE) & DT_NOPREFIX);
}

}  // namespace
