#include "skin_file.h"

#include "picture_file.h"
#include "support/skin_engine.h"
#include "support/skin_engine_client.h"
#include "support/temp_folder.h"
#include "text/text_file.h"
#include "text/wide_text.h"

#include <gtest/gtest.h>

#include "support/case_table.h"

#include <string>

namespace {

std::string ToNarrowForTrace(const wchar_t* text)
{
    std::string narrow;
    for (const wchar_t* c = text; *c != L'\0'; ++c) {
        narrow += *c < 128 ? static_cast<char>(*c) : '?';
    }
    return narrow;
}

using skin::ParseColour;

std::wstring SkinFilePath(const wchar_t* root, const wchar_t* file)
{
    return skin::SkinFilePath(root, file).c_str();
}

std::optional<skin::SkinDesign> ReadSkinFile(const std::string& path)
{
    return skin::ReadSkinFile(ToWide(path).c_str());
}

std::wstring Wide(const skin::WideString& text)
{
    return text.c_str();
}

TEST(ParseColourTest, ReadsSixHexDigitsWithOrWithoutHash)
{
    EXPECT_EQ(ParseColour(L"#1E2228"), RGB(0x1E, 0x22, 0x28));
    EXPECT_EQ(ParseColour(L"a0b1C2"), RGB(0xA0, 0xB1, 0xC2));
}

TEST(ParseColourTest, RefusesAnythingElse)
{
    for (const wchar_t* text : {L"", L"#", L"#12345", L"#1234567", L"#12345G", L"red", L"12,34,56", L"# 123456"}) {
        EXPECT_FALSE(ParseColour(text).has_value()) << ToNarrowForTrace(text);
    }
}

TEST(SkinFilePathTest, RelativeFileLiesInTheRootFolder)
{
    EXPECT_EQ(SkinFilePath(L"C:\\skins\\dark", L"dark.ini"), L"C:\\skins\\dark\\dark.ini");
    EXPECT_EQ(SkinFilePath(L"C:\\skins\\dark\\", L"dark.ini"), L"C:\\skins\\dark\\dark.ini");
}

TEST(SkinFilePathTest, FolderWhoseLastCharacterHasABackslashTrailByteGetsItsSeparator)
{
    // In code page 932 the second byte of the last character is 0x5C, "\";
    // the path is wide, so it is a character like any other.
    EXPECT_EQ(SkinFilePath(L"C:\\skins\\\u30C7\u30B6\u30A4\u30F3\u8868", L"a.ini"),
              L"C:\\skins\\\u30C7\u30B6\u30A4\u30F3\u8868\\a.ini");
}

TEST(SkinFilePathTest, RelativeRootIsRefused)
{
    // Relative to the current folder or drive: the program resolves those.
    for (const wchar_t* root : {L"skins\\dark", L".\\skins", L"C:skins", L"\\skins\\dark", L""}) {
        EXPECT_EQ(SkinFilePath(root, L"dark.ini"), L"") << ToNarrowForTrace(root);
    }
    EXPECT_EQ(SkinFilePath(L"C:\\skins", L"\\dark.ini"), L"");
}

TEST(SkinFilePathTest, AbsoluteFileStaysAsItIsAndNoFileNamesNoSkin)
{
    using RootAndFile = std::pair<const wchar_t*, const wchar_t*>;
    test_support::ExpectEachCase<RootAndFile, std::wstring>(
        [](const RootAndFile& in) { return SkinFilePath(in.first, in.second); },
        {
            {{L"C:\\skins\\dark", L"D:\\mine\\my.ini"}, L"D:\\mine\\my.ini"},
            {{L"C:\\skins\\dark", L"\\\\server\\share\\my.ini"}, L"\\\\server\\share\\my.ini"},
            {{L"", L"D:/mine/my.ini"}, L"D:/mine/my.ini", "no root needed"},
            {{L"C:\\skins\\dark", L""}, L"", "no file"},
            {{L"", L""}, L""},
            {{nullptr, nullptr}, L""},
        });
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
        "FieldText=#1C1D1E\r\nHeading=#1F2021\r\nInformation=#222324\r\nBackgroundImage=paper.bmp\r\n"
        "Font=Verdana\r\nFontSize=10\r\n"));
    ASSERT_TRUE(design.has_value());
    // The colours in the file's order, each one three steps on from the last.
    const COLORREF colours[] = {design->background, design->text,   design->buttonFace, design->buttonText,
                                design->hot,        design->pressed, design->border,     design->accent,
                                design->field,      design->fieldText, design->heading,  design->information};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(colours[i], RGB(3 * i + 1, 3 * i + 2, 3 * i + 3)) << "colour #" << i;
    }
    EXPECT_EQ(Wide(design->backgroundImage), ToWide(folder_.PathOf("paper.bmp")));
    EXPECT_STREQ(design->fontFace, L"Verdana");
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
    EXPECT_STREQ(design->fontFace, L"");
    EXPECT_EQ(Wide(design->backgroundImage), L"");
}

TEST_F(ReadSkinFileTest, LabelColoursFollowTextAndAccentUnlessGiven)
{
    const auto design = ReadSkinFile(Write("[Skin]\r\nText=#101010\r\nAccent=#202020\r\nInformation=#zz\r\n"));
    ASSERT_TRUE(design.has_value());
    EXPECT_EQ(design->heading, RGB(0x10, 0x10, 0x10));
    EXPECT_EQ(design->information, RGB(0x20, 0x20, 0x20));
}

TEST_F(ReadSkinFileTest, PictureOutsideTheSkinFolderIsIgnored)
{
    for (const char* name : {"..\\other\\paper.bmp", "C:\\paper.bmp", "sub/paper.bmp", ".."}) {
        const auto design = ReadSkinFile(Write(std::string("[Skin]\r\nBackgroundImage=") + name + "\r\n"));
        ASSERT_TRUE(design.has_value());
        EXPECT_EQ(Wide(design->backgroundImage), L"") << name;
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

TEST_F(ReadSkinFileTest, PictureNamingADeviceIsNoPicture)
{
    for (const char* name : {"COM1", "com1.bmp", "NUL", "CONIN$", "LPT1 .bmp", "aux."}) {
        const auto design = ReadSkinFile(Write(std::string("[Skin]\r\nBackgroundImage=") + name + "\r\n"));
        ASSERT_TRUE(design.has_value());
        EXPECT_EQ(Wide(design->backgroundImage), L"") << name;
    }
}

TEST_F(ReadSkinFileTest, FileOfUpTo64KilobytesIsASkinAndALargerOneIsNot)
{
    const std::string skin = "[Skin]\r\nBackground=#102030\r\n";
    const std::string whole = skin + std::string(skin::kLargestSkinFileBytes - skin.size(), ' ');
    const auto design = ReadSkinFile(Write(whole));
    ASSERT_TRUE(design.has_value());
    EXPECT_EQ(design->background, RGB(0x10, 0x20, 0x30));
    EXPECT_FALSE(ReadSkinFile(Write(whole + " ")).has_value());
}

TEST_F(ReadSkinFileTest, FilesInUtf16AndUtf8AreRead)
{
    const std::wstring text = L"[Skin]\r\nBackground=#102030\r\nFont=\u30E1\u30A4\u30EA\u30AA\r\n";
    std::string utf16 = "\xFF\xFE";
    std::string utf16BigEndian = "\xFE\xFF";
    for (wchar_t c : text) {
        utf16 += static_cast<char>(c & 0xFF);
        utf16 += static_cast<char>(c >> 8);
        utf16BigEndian += static_cast<char>(c >> 8);
        utf16BigEndian += static_cast<char>(c & 0xFF);
    }
    const std::string utf8 = ToCodePage(text, CP_UTF8);
    for (const std::string& bytes : {utf16, utf16BigEndian, "\xEF\xBB\xBF" + utf8, utf8}) {
        const auto design = ReadSkinFile(Write(bytes));
        ASSERT_TRUE(design.has_value());
        EXPECT_EQ(design->background, RGB(0x10, 0x20, 0x30));
        EXPECT_STREQ(design->fontFace, L"\u30E1\u30A4\u30EA\u30AA");
    }
}

// A skin file of an older Windows, in its legacy code page: read in that
// one, not in the process's ANSI code page, which is UTF-8 in the program.
// (This process has the legacy one; DecodeTextFile's tests pass it
// explicitly.)
TEST_F(ReadSkinFileTest, FileInTheLegacyCodePageIsRead)
{
    if (LegacyAnsiCodePage() != 1252) {
        GTEST_SKIP() << "the file is in code page 1252";
    }
    const auto design = ReadSkinFile(Write("[Skin]\r\nFont=S\xE9goe UI\r\n"));
    ASSERT_TRUE(design.has_value());
    EXPECT_STREQ(design->fontFace, L"S\x00E9goe UI");
}

TEST_F(ReadSkinFileTest, DarkSectionGivesTheDarkLookOverTheLightOne)
{
    const std::string path = Write(
        "[Skin]\r\nBackground=#FFFFFF\r\nText=#101010\r\nField=#EEEEEE\r\nBackgroundImage=paper.bmp\r\n"
        "Font=Verdana\r\n[Dark]\r\nBackground=#202020\r\nText=#F0F0F0\r\nAccent=#zz\r\n");
    const auto light = ReadSkinFile(path);
    ASSERT_TRUE(light.has_value());
    EXPECT_EQ(light->background, RGB(0xFF, 0xFF, 0xFF)) << "[Dark] does not touch the light look";
    const auto looks = skin::ReadSkinLooks(ToWide(path).c_str());
    ASSERT_TRUE(looks.has_value());
    const auto& dark = looks->dark;
    ASSERT_TRUE(dark.has_value());
    EXPECT_EQ(dark->background, RGB(0x20, 0x20, 0x20));
    EXPECT_EQ(dark->text, RGB(0xF0, 0xF0, 0xF0));
    EXPECT_EQ(dark->heading, RGB(0xF0, 0xF0, 0xF0)) << "follows the dark text";
    EXPECT_EQ(dark->field, RGB(0xEE, 0xEE, 0xEE)) << "not given: the light one";
    EXPECT_EQ(dark->accent, light->accent) << "malformed: the light one";
    EXPECT_EQ(Wide(dark->backgroundImage), ToWide(folder_.PathOf("paper.bmp")));
    EXPECT_STREQ(dark->fontFace, L"Verdana");
}

TEST_F(ReadSkinFileTest, DarkSectionMayTakeThePictureAway)
{
    const std::string path = Write("[Skin]\r\nBackgroundImage=paper.bmp\r\n[Dark]\r\nBackgroundImage=\r\n");
    const auto light = ReadSkinFile(path);
    ASSERT_TRUE(light.has_value());
    const auto looks = skin::ReadSkinLooks(ToWide(path).c_str());
    ASSERT_TRUE(looks.has_value());
    const auto& dark = looks->dark;
    ASSERT_TRUE(dark.has_value());
    EXPECT_EQ(Wide(dark->backgroundImage), L"");
}

TEST_F(ReadSkinFileTest, WithoutDarkSectionTheSkinHasOneLook)
{
    const auto looks = skin::ReadSkinLooks(ToWide(Write("[Skin]\r\nBackground=#000000\r\n")).c_str());
    ASSERT_TRUE(looks.has_value());
    EXPECT_FALSE(looks->dark.has_value());
}

TEST(ReadWideSkinFileTest, FolderNamedOutsideTheAnsiCodePage)
{
    test_support::TempFolder parent;
    test_support::WideNamedFolder folder(ToWide(parent.Path()), L"\u0422\u0435\u0441\u0442 \u30C7\u30B6\u30A4\u30F3\u8868");
    const std::wstring path = folder.Write(L"skin.ini", "[Skin]\r\nBackground=#102030\r\nBackgroundImage=p.bmp\r\n");
    ASSERT_FALSE(path.empty());
    const auto design = skin::ReadSkinFile(path.c_str());
    ASSERT_TRUE(design.has_value());
    EXPECT_EQ(design->background, RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(Wide(design->backgroundImage), folder.Path() + L"\\p.bmp");
}

// A file header and a BITMAPINFOHEADER of the given sides, as a .bmp begins.
std::string PictureHeader(int width, int height)
{
    return test_support::BitmapFile(width, height, 0).substr(0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER));
}

bool Acceptable(const std::string& header)
{
    return skin::IsAcceptablePictureHeader(reinterpret_cast<const BYTE*>(header.data()), header.size());
}

TEST(PictureHeaderTest, SidesUpTo4096PixelsEitherWayUp)
{
    EXPECT_TRUE(Acceptable(PictureHeader(1, 1)));
    EXPECT_TRUE(Acceptable(PictureHeader(4096, 4096)));
    EXPECT_TRUE(Acceptable(PictureHeader(4096, -4096)));
}

TEST(PictureHeaderTest, LargerOrEmptyPicturesAreRefused)
{
    EXPECT_FALSE(Acceptable(PictureHeader(4097, 1)));
    EXPECT_FALSE(Acceptable(PictureHeader(1, 4097)));
    EXPECT_FALSE(Acceptable(PictureHeader(1, -4097)));
    EXPECT_FALSE(Acceptable(PictureHeader(-1, 1)));
    EXPECT_FALSE(Acceptable(PictureHeader(0, 1)));
    EXPECT_FALSE(Acceptable(PictureHeader(1, 0)));
}

TEST(PictureHeaderTest, ShortOrForeignHeadersAreRefused)
{
    const std::string whole = PictureHeader(2, 2);
    EXPECT_FALSE(Acceptable(whole.substr(0, whole.size() - 1)));
    EXPECT_FALSE(Acceptable(whole.substr(0, 14)));
    EXPECT_FALSE(Acceptable(""));
    std::string notBitmap = whole;
    notBitmap[0] = 'P';
    EXPECT_FALSE(Acceptable(notBitmap));
    std::string oddSize = whole;
    oddSize[14] = 20;  // an info header of 20 bytes exists in no version
    EXPECT_FALSE(Acceptable(oddSize));
}

}  // namespace
