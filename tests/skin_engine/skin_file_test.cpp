#include "skin_file.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

using skin::ParseColour;
using skin::ReadSkinFile;
using skin::SkinFilePath;

TEST(ParseColourTest, ReadsSixHexDigitsWithOrWithoutHash)
{
    EXPECT_EQ(ParseColour("#1E2228"), RGB(0x1E, 0x22, 0x28));
    EXPECT_EQ(ParseColour("a0b1C2"), RGB(0xA0, 0xB1, 0xC2));
}

TEST(ParseColourTest, RefusesAnythingElse)
{
    for (const char* text : {"", "#", "#12345", "#1234567", "#12345G", "red", "12,34,56", "# 123456"}) {
        EXPECT_FALSE(ParseColour(text).has_value()) << text;
    }
}

TEST(SkinFilePathTest, RelativeFileLiesInTheRootFolder)
{
    EXPECT_EQ(SkinFilePath("C:\\skins\\dark", "dark.ini"), "C:\\skins\\dark\\dark.ini");
    EXPECT_EQ(SkinFilePath("C:\\skins\\dark\\", "dark.ini"), "C:\\skins\\dark\\dark.ini");
}

TEST(SkinFilePathTest, AbsoluteFileStaysAsItIs)
{
    EXPECT_EQ(SkinFilePath("C:\\skins\\dark", "D:\\mine\\my.ini"), "D:\\mine\\my.ini");
    EXPECT_EQ(SkinFilePath("C:\\skins\\dark", "\\\\server\\share\\my.ini"), "\\\\server\\share\\my.ini");
}

TEST(SkinFilePathTest, EmptyFileNamesNoSkin)
{
    EXPECT_EQ(SkinFilePath("C:\\skins\\dark", ""), "");
    EXPECT_EQ(SkinFilePath("", ""), "");
}

class ReadSkinFileTest : public ::testing::Test {
protected:
    std::string Write(const std::string& text) { return folder_.Write("skin.ini", text); }
    test_support::TempFolder folder_;
};

TEST_F(ReadSkinFileTest, ReadsEveryValue)
{
    const auto design = ReadSkinFile(Write(
        "[Skin]\r\nBackground=#010203\r\nText=#040506\r\nButtonFace=#070809\r\nButtonText=#0A0B0C\r\n"
        "Hot=#0D0E0F\r\nPressed=#101112\r\nBorder=#131415\r\nAccent=#161718\r\nField=#191A1B\r\n"
        "FieldText=#1C1D1E\r\nBackgroundImage=paper.bmp\r\nFont=Verdana\r\nFontSize=10\r\n"));
    ASSERT_TRUE(design.has_value());
    EXPECT_EQ(design->background, RGB(1, 2, 3));
    EXPECT_EQ(design->text, RGB(4, 5, 6));
    EXPECT_EQ(design->buttonFace, RGB(7, 8, 9));
    EXPECT_EQ(design->buttonText, RGB(10, 11, 12));
    EXPECT_EQ(design->hot, RGB(13, 14, 15));
    EXPECT_EQ(design->pressed, RGB(16, 17, 18));
    EXPECT_EQ(design->border, RGB(19, 20, 21));
    EXPECT_EQ(design->accent, RGB(22, 23, 24));
    EXPECT_EQ(design->field, RGB(25, 26, 27));
    EXPECT_EQ(design->fieldText, RGB(28, 29, 30));
    EXPECT_EQ(design->backgroundImage, folder_.PathOf("paper.bmp"));
    EXPECT_EQ(design->fontFace, "Verdana");
    EXPECT_EQ(design->fontPoints, 10);
}

TEST_F(ReadSkinFileTest, MalformedAndMissingValuesKeepTheDefaults)
{
    const skin::SkinDesign defaults;
    const auto design = ReadSkinFile(
        Write("[skin]\r\nbackground = #102030\r\nText=black\r\nHot=\r\nFontSize=200\r\nShadow=#FFFFFF\r\n"));
    ASSERT_TRUE(design.has_value());
    EXPECT_EQ(design->background, RGB(0x10, 0x20, 0x30));  // keys and sections in any case
    EXPECT_EQ(design->text, defaults.text);
    EXPECT_EQ(design->hot, defaults.hot);
    EXPECT_EQ(design->buttonFace, defaults.buttonFace);
    EXPECT_EQ(design->fontPoints, 0);
    EXPECT_EQ(design->fontFace, "");
    EXPECT_EQ(design->backgroundImage, "");
}

TEST_F(ReadSkinFileTest, PictureOutsideTheSkinFolderIsIgnored)
{
    for (const char* name : {"..\\other\\paper.bmp", "C:\\paper.bmp", "sub/paper.bmp", ".."}) {
        const auto design = ReadSkinFile(Write(std::string("[Skin]\r\nBackgroundImage=") + name + "\r\n"));
        ASSERT_TRUE(design.has_value());
        EXPECT_EQ(design->backgroundImage, "") << name;
    }
}

TEST_F(ReadSkinFileTest, EmptySkinSectionGivesTheDefaults)
{
    const auto design = ReadSkinFile(Write("[Skin]\r\n"));
    ASSERT_TRUE(design.has_value());
    EXPECT_EQ(design->background, skin::SkinDesign{}.background);
}

TEST_F(ReadSkinFileTest, FileWithoutSkinSectionIsNoSkin)
{
    EXPECT_FALSE(ReadSkinFile(Write("[Colours]\r\nBackground=#000000\r\n")).has_value());
    EXPECT_FALSE(ReadSkinFile(Write("")).has_value());
}

TEST_F(ReadSkinFileTest, MissingFileOrFolderIsNoSkin)
{
    EXPECT_FALSE(ReadSkinFile(folder_.PathOf("absent.ini")).has_value());
    EXPECT_FALSE(ReadSkinFile(folder_.Path()).has_value());
    EXPECT_FALSE(ReadSkinFile("").has_value());
}

}  // namespace
