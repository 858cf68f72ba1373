#include "skin_file.h"
#include "support/program_process.h"
#include "support/skin_engine_client.h"
#include "text/wide_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

double Contrast(COLORREF a, COLORREF b)
{
    return test_support::ContrastRatio(a, b);
}

class ShippedSkinTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedSkinTest, TextIsReadableOnWhatItIsPaintedOn)
{
    const std::string name = GetParam();
    const auto design = skin::ReadSkinFile(ToWide(test_support::ShippedSkinFile(name)).c_str());
    ASSERT_TRUE(design.has_value());
    EXPECT_GE(Contrast(design->text, design->background), 4.5);
    EXPECT_GE(Contrast(design->buttonText, design->buttonFace), 4.5);
    EXPECT_GE(Contrast(design->buttonText, design->hot), 4.5);
    EXPECT_GE(Contrast(design->buttonText, design->pressed), 4.5);
    EXPECT_GE(Contrast(design->fieldText, design->field), 4.5);
    EXPECT_GE(Contrast(design->heading, design->background), 4.5);
    EXPECT_GE(Contrast(design->information, design->background), 4.5);
}

TEST_P(ShippedSkinTest, KeepsTheWindowsFont)
{
    // The templates are laid out for their own font, and a translation may
    // need the characters of another: the shipped skins change colours only.
    const std::string name = GetParam();
    const auto design = skin::ReadSkinFile(ToWide(test_support::ShippedSkinFile(name)).c_str());
    ASSERT_TRUE(design.has_value());
    EXPECT_STREQ(design->fontFace, L"");
    EXPECT_EQ(design->fontPoints, 0);
}

INSTANTIATE_TEST_SUITE_P(Skins, ShippedSkinTest, ::testing::Values("light", "dark"));

TEST(ShippedConfigurationTest, CommonXmlActivatesTheLightSkinBesideTheProgram)
{
    std::ifstream file(test_support::TestBinaryFolder() + "\\common.xml");
    ASSERT_TRUE(file.good());
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(text.str().find("<activateskin rootpath=\"%ModulePath%\\skins\\light\" uis=\"light.ini\"/>"),
              std::string::npos);
    EXPECT_NE(text.str().find("<SkinGamma val=\"0\"/>"), std::string::npos);
}

}  // namespace
