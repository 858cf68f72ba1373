#include "skin_file.h"
#include "skin_resources.h"
#include "support/program_process.h"
#include "support/skin_engine_client.h"
#include "text/wide_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <vector>
#include <sstream>

namespace {

double Contrast(COLORREF a, COLORREF b)
{
    return test_support::ContrastRatio(a, b);
}

// Each look of a shipped skin: its [Skin] section, and its [Dark] one where
// it has one.
std::vector<skin::SkinDesign> Looks(const std::string& name)
{
    const std::wstring path = ToWide(test_support::ShippedSkinFile(name));
    std::vector<skin::SkinDesign> looks;
    if (const auto both = skin::ReadSkinLooks(path.c_str())) {
        looks.push_back(both->light);
        if (both->dark) {
            looks.push_back(*both->dark);
        }
    }
    return looks;
}

bool SameColours(const skin::SkinDesign& a, const skin::SkinDesign& b)
{
    const skin::Palette x = skin::MakePalette(a, 0.0f);
    const skin::Palette y = skin::MakePalette(b, 0.0f);
    return std::memcmp(&x, &y, sizeof x) == 0;
}

class ShippedSkinTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedSkinTest, TextIsReadableOnWhatItIsPaintedOn)
{
    const std::string name = GetParam();
    const auto looks = Looks(name);
    ASSERT_FALSE(looks.empty());
    for (const skin::SkinDesign& design : looks) {
        EXPECT_GE(Contrast(design.text, design.background), 4.5);
        EXPECT_GE(Contrast(design.buttonText, design.buttonFace), 4.5);
        EXPECT_GE(Contrast(design.buttonText, design.hot), 4.5);
        EXPECT_GE(Contrast(design.buttonText, design.pressed), 4.5);
        EXPECT_GE(Contrast(design.fieldText, design.field), 4.5);
        EXPECT_GE(Contrast(design.heading, design.background), 4.5);
        EXPECT_GE(Contrast(design.information, design.background), 4.5);
    }
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

INSTANTIATE_TEST_SUITE_P(Skins, ShippedSkinTest, ::testing::Values("light", "dark", "auto"));

TEST(ShippedSkinLooksTest, AutoSkinIsTheLightSkinInLightModeAndTheDarkOneInDarkMode)
{
    const auto autoLooks = Looks("auto");
    const auto light = Looks("light");
    const auto dark = Looks("dark");
    ASSERT_EQ(autoLooks.size(), 2u);
    ASSERT_EQ(light.size(), 1u) << "the light skin keeps one look";
    ASSERT_EQ(dark.size(), 1u) << "the dark skin keeps one look";
    EXPECT_TRUE(SameColours(autoLooks[0], light[0]));
    EXPECT_TRUE(SameColours(autoLooks[1], dark[0]));
}

TEST(ShippedConfigurationTest, CommonXmlActivatesTheAutoSkinBesideTheProgram)
{
    std::ifstream file(test_support::TestBinaryFolder() + "\\common.xml");
    ASSERT_TRUE(file.good());
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(text.str().find("<activateskin rootpath=\"%ModulePath%\\skins\\auto\" uis=\"auto.ini\"/>"),
              std::string::npos);
    EXPECT_NE(text.str().find("<SkinGamma val=\"0\"/>"), std::string::npos);
}

}  // namespace
