#include "skin_file.h"
#include "support/program_process.h"
#include "support/skin_engine_client.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

namespace {

// Relative luminance and contrast ratio as the web accessibility guidelines
// define them: text needs 4.5:1 against what it is painted on.
double Luminance(COLORREF colour)
{
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(GetRValue(colour)) + 0.7152 * linear(GetGValue(colour)) +
           0.0722 * linear(GetBValue(colour));
}

double Contrast(COLORREF a, COLORREF b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class ShippedSkinTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedSkinTest, TextIsReadableOnWhatItIsPaintedOn)
{
    const std::string name = GetParam();
    const auto design = skin::ReadSkinFile(test_support::ShippedSkinFile(name));
    ASSERT_TRUE(design.has_value());
    EXPECT_GE(Contrast(design->text, design->background), 4.5);
    EXPECT_GE(Contrast(design->buttonText, design->buttonFace), 4.5);
    EXPECT_GE(Contrast(design->buttonText, design->hot), 4.5);
    EXPECT_GE(Contrast(design->buttonText, design->pressed), 4.5);
    EXPECT_GE(Contrast(design->fieldText, design->field), 4.5);
}

TEST_P(ShippedSkinTest, KeepsTheWindowsFont)
{
    // The templates are laid out for their own font, and a translation may
    // need the characters of another: the shipped skins change colours only.
    const std::string name = GetParam();
    const auto design = skin::ReadSkinFile(test_support::ShippedSkinFile(name));
    ASSERT_TRUE(design.has_value());
    EXPECT_EQ(design->fontFace, "");
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
