// common.xml as the skinned dialogs read it, on files the tests write.
#include "skin/skin_config.h"

#include <gtest/gtest.h>

#include <string>

#include "skin/config_file_bytes.h"
#include "support/skin_engine.h"
#include "support/skin_engine_client.h"
#include "support/temp_folder.h"
#include "text/module_path.h"
#include "text/wide_text.h"
#include "ui/com_text.h"

namespace {

std::string Document(const std::string& body)
{
    return "<?xml version=\"1.0\"?>\r\n<config>\r\n" + body + "</config>\r\n";
}

// Where a relative path of common.xml lies: in the executable's folder.
std::wstring InProgramFolder(const std::wstring& relative)
{
    return ModuleFolder(nullptr) + L"\\" + relative;
}

bool IsLoaded(const wchar_t* module)
{
    return ::GetModuleHandleW(module) != nullptr;
}

class SkinConfigTest : public ::testing::Test {
protected:
    SkinConfig Read(const std::string& content)
    {
        const std::string path = folder_.Write("common.xml", content);
        EXPECT_FALSE(path.empty());
        return ReadSkinConfigFile(ToWide(path));
    }

    static void ExpectAbsent(const SkinConfig& config)
    {
        EXPECT_EQ(config.rootpath, L"");
        EXPECT_EQ(config.uis, L"");
        EXPECT_EQ(config.gamma, 0.0f);
    }

    test_support::ScopedComApartment com_;
    test_support::TempFolder folder_;
};

TEST_F(SkinConfigTest, ReadsTheThreeValues)
{
    const SkinConfig config = Read(Document(
        "  <activateskin rootpath=\"C:\\skins\" uis=\"blue.uis\"/>\r\n  <SkinGamma val=\"1.25\"/>\r\n"));
    EXPECT_EQ(config.rootpath, L"C:\\skins");
    EXPECT_EQ(config.uis, L"C:\\skins\\blue.uis");
    EXPECT_EQ(config.gamma, 1.25f);
}

TEST_F(SkinConfigTest, MissingFileGivesTheAbsentValues)
{
    ExpectAbsent(ReadSkinConfigFile(ToWide(folder_.PathOf("common.xml"))));
}

TEST_F(SkinConfigTest, MissingElementOrAttributeLeavesOnlyThatValueAbsent)
{
    SkinConfig config = Read(Document("  <activateskin rootpath=\"r\" uis=\"u\"/>\r\n"));
    EXPECT_EQ(config.rootpath, InProgramFolder(L"r"));
    EXPECT_EQ(config.uis, InProgramFolder(L"r\\u"));
    EXPECT_EQ(config.gamma, 0.0f);

    config = Read(Document("  <activateskin rootpath=\"r\"/>\r\n  <SkinGamma val=\"2\"/>\r\n"));
    EXPECT_EQ(config.rootpath, InProgramFolder(L"r"));
    EXPECT_EQ(config.uis, L"");
    EXPECT_EQ(config.gamma, 2.0f);
}

TEST_F(SkinConfigTest, OnlyTheFirstOfTwoElementsCounts)
{
    const SkinConfig config = Read(Document(
        "  <activateskin rootpath=\"first\"/>\r\n  <activateskin rootpath=\"second\" uis=\"second.uis\"/>\r\n"
        "  <SkinGamma val=\"1\"/>\r\n  <SkinGamma val=\"2\"/>\r\n"));
    EXPECT_EQ(config.rootpath, InProgramFolder(L"first"));
    EXPECT_EQ(config.uis, L"");
    EXPECT_EQ(config.gamma, 1.0f);
}

TEST_F(SkinConfigTest, NamesAreMatchedWithTheirLetterCase)
{
    ExpectAbsent(Read(Document("  <ActivateSkin rootpath=\"r\" uis=\"u\"/>\r\n  <skingamma val=\"2\"/>\r\n")));
    ExpectAbsent(Read(Document("  <activateskin RootPath=\"r\" UIS=\"u\"/>\r\n  <SkinGamma Val=\"2\"/>\r\n")));
    ExpectAbsent(Read("<?xml version=\"1.0\"?>\r\n<Config><activateskin rootpath=\"r\"/></Config>\r\n"));
}

TEST_F(SkinConfigTest, ElementsBelowTheRootOnly)
{
    ExpectAbsent(Read(Document("  <skins><activateskin rootpath=\"r\" uis=\"u\"/></skins>\r\n")));
}

TEST_F(SkinConfigTest, MacrosInBothPathsAreExpanded)
{
    const SkinConfig config =
        Read(Document("  <activateskin rootpath=\"%ModulePath%\\skins\" uis=\"%modulepath%\\a.uis\"/>\r\n"));
    EXPECT_EQ(config.rootpath, ModuleFolder(nullptr) + L"\\skins");
    EXPECT_EQ(config.uis, ModuleFolder(nullptr) + L"\\a.uis");
}

TEST_F(SkinConfigTest, RelativePathsLieInTheProgramsFolderAndTheSkinFileInTheRootPath)
{
    SkinConfig config = Read(Document("  <activateskin rootpath=\"skins\\light\" uis=\"light.ini\"/>\r\n"));
    EXPECT_EQ(config.rootpath, InProgramFolder(L"skins\\light"));
    EXPECT_EQ(config.uis, InProgramFolder(L"skins\\light\\light.ini"));

    config = Read(Document("  <activateskin rootpath=\"\" uis=\"a.ini\"/>\r\n"));
    EXPECT_EQ(config.rootpath, L"");
    EXPECT_EQ(config.uis, InProgramFolder(L"a.ini"));

    config = Read(Document("  <activateskin rootpath=\"%ModulePath%\\skins\" uis=\"C:\\elsewhere\\b.ini\"/>\r\n"));
    EXPECT_EQ(config.rootpath, InProgramFolder(L"skins"));
    EXPECT_EQ(config.uis, L"C:\\elsewhere\\b.ini");
}

TEST_F(SkinConfigTest, PathsNamingDevicesAreNoSkin)
{
    SkinConfig config = Read(Document("  <activateskin rootpath=\"\\\\.\\pipe\" uis=\"skin\"/>\r\n"));
    EXPECT_EQ(config.rootpath, L"");
    EXPECT_EQ(config.uis, L"") << "not the program's folder instead";

    for (const char* uis : {"COM1", "\\\\.\\pipe\\skin", "\\\\?\\C:\\skins\\dark.ini", "%ModulePath%\\nul.ini"}) {
        config = Read(Document(std::string("  <activateskin rootpath=\"skins\" uis=\"") + uis + "\"/>\r\n"));
        EXPECT_EQ(config.rootpath, InProgramFolder(L"skins"));
        EXPECT_EQ(config.uis, L"") << uis;
    }
}

TEST_F(SkinConfigTest, FileInAFolderOutsideTheAnsiCodePageIsReadWithItsPaths)
{
    const std::wstring name = L"Тест Ελλάδα";
    test_support::WideNamedFolder folder(ToWide(folder_.Path()), name);
    ASSERT_FALSE(folder.Path().empty());
    const std::wstring skins = folder.Path() + L"\\デザイン表";
    const std::wstring path = folder.Write(
        L"common.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<config><activateskin rootpath=\"" +
                           test_support::Utf8(skins) + "\" uis=\"" + test_support::Utf8(L"Łódź.ini") +
                           "\"/><SkinGamma val=\"0.5\"/></config>\r\n");
    ASSERT_FALSE(path.empty());

    const SkinConfig config = ReadSkinConfigFile(path);
    EXPECT_EQ(config.rootpath, skins);
    EXPECT_EQ(config.uis, skins + L"\\Łódź.ini");
    EXPECT_EQ(config.gamma, 0.5f);
}

TEST_F(SkinConfigTest, ParserIsLoadedOnlyForAFileAndOnlyWhileItIsRead)
{
    if (IsLoaded(L"xmllite.dll")) {
        GTEST_SKIP() << "the pull parser was loaded already";
    }
    ExpectAbsent(ReadSkinConfigFile(ToWide(folder_.PathOf("common.xml"))));
    EXPECT_FALSE(IsLoaded(L"xmllite.dll"));
    // Nor for a folder of that name, nor for a device.
    ASSERT_TRUE(::CreateDirectoryA(folder_.PathOf("common.xml").c_str(), nullptr));
    ExpectAbsent(ReadSkinConfigFile(ToWide(folder_.PathOf("common.xml"))));
    ExpectAbsent(ReadSkinConfigFile(L"NUL"));
    EXPECT_FALSE(IsLoaded(L"xmllite.dll"));

    const std::string path = folder_.Write("other.xml", Document("  <activateskin rootpath=\"C:\\r\"/>\r\n"));
    EXPECT_EQ(ReadSkinConfigFile(ToWide(path)).rootpath, L"C:\\r");
    EXPECT_FALSE(IsLoaded(L"xmllite.dll"));
    EXPECT_FALSE(IsLoaded(L"msxml3.dll"));
}

TEST_F(SkinConfigTest, MalformedOrEmptyFileGivesTheAbsentValues)
{
    ExpectAbsent(Read("<config><activateskin rootpath=\"r\" uis=\"u\"/>"));
    ExpectAbsent(Read("<config><activateskin rootpath=\"r\" uis=\"u></config>"));
    ExpectAbsent(Read(""));
    ExpectAbsent(Read(std::string("\0\1\2garbage", 10)));
}

TEST_F(SkinConfigTest, FileOfUpToAMegabyteIsReadAndALargerOneIsNoSkin)
{
    // Comments of a kilobyte: Wine's parser (8.0) can lose its place in a
    // single comment that spans many reads of its input.
    const std::string values = "  <activateskin rootpath=\"r\" uis=\"u\"/>\r\n  <SkinGamma val=\"3\"/>\r\n";
    const std::string comment = "<!--" + std::string(1017, 'x') + "-->\r\n";
    std::string filler;
    while (Document(filler + comment + values).size() <= kMaxConfigFileBytes) {
        filler += comment;
    }
    filler += std::string(kMaxConfigFileBytes - Document(filler + values).size(), ' ');
    const std::string largest = Document(filler + values);
    ASSERT_EQ(largest.size(), kMaxConfigFileBytes);

    const SkinConfig config = Read(largest);
    EXPECT_EQ(config.rootpath, InProgramFolder(L"r"));
    EXPECT_EQ(config.uis, InProgramFolder(L"r\\u"));
    EXPECT_EQ(config.gamma, 3.0f);

    ExpectAbsent(Read(largest + " "));
}

TEST_F(SkinConfigTest, ExternalEntityIsNeverFetched)
{
    const std::string secret = folder_.Write("secret.txt", "LEAKED");
    const std::string path = folder_.Write(
        "hostile.xml", "<?xml version=\"1.0\"?>\r\n"
                       "<!DOCTYPE config [ <!ENTITY leak SYSTEM \"" + secret + "\"> ]>\r\n"
                       "<config><activateskin rootpath=\"r\" uis=\"u\">&leak;</activateskin></config>\r\n");

    // A DTD is refused whole, and with it any entity it declares.
    const SkinConfigTexts texts = ReadSkinConfigTexts(ToWide(path));
    EXPECT_EQ(texts.rootpath, L"");
    EXPECT_EQ(texts.uis, L"");
}

TEST_F(SkinConfigTest, EntityBombIsNotExpandedWithoutEnd)
{
    std::string entities = "<!ENTITY a0 \"xxxxxxxxxx\">";
    for (int level = 1; level <= 10; ++level) {
        std::string definition;
        for (int i = 0; i < 10; ++i) {
            definition += "&a" + std::to_string(level - 1) + ";";
        }
        entities += "<!ENTITY a" + std::to_string(level) + " \"" + definition + "\">";
    }
    const DWORD start = ::GetTickCount();
    const SkinConfig config = Read("<?xml version=\"1.0\"?>\r\n<!DOCTYPE config [" + entities + "]>\r\n"
                                   "<config><activateskin rootpath=\"&a10;\" uis=\"u\"/></config>\r\n");
    EXPECT_LT(::GetTickCount() - start, 30000u);
    EXPECT_LT(config.rootpath.size(), 1000000u);
}

// --- val --------------------------------------------------------------------

float GammaOfText(const wchar_t* text)
{
    return GammaOf(text);
}

TEST(SkinGamma, NumbersAsXmlWritesThem)
{
    EXPECT_EQ(GammaOfText(L"1.5"), 1.5f);
    EXPECT_EQ(GammaOfText(L" -0.25 "), -0.25f);
    EXPECT_EQ(GammaOfText(L"+2"), 2.0f);
    EXPECT_EQ(GammaOfText(L".5"), 0.5f);
    EXPECT_EQ(GammaOfText(L"3."), 3.0f);
    EXPECT_EQ(GammaOfText(L"1e2"), 100.0f);
    EXPECT_EQ(GammaOfText(L"2.5E-1"), 0.25f);
}

TEST(SkinGamma, AnythingElseIsZero)
{
    for (const wchar_t* text : {L"", L"abc", L"1,5", L"1.5x", L"1.000,5", L"1,000", L"(1)", L"$1", L"0x10",
                                L"NaN", L"INF", L"-INF", L"1e", L".", L"-", L"1 5"}) {
        EXPECT_EQ(GammaOfText(text), 0.0f) << static_cast<const void*>(text);
    }
}

TEST(SkinGamma, ValuesNoFloatHoldsAreZero)
{
    EXPECT_EQ(GammaOfText(L"1e40"), 0.0f);
    EXPECT_EQ(GammaOfText(L"-1e40"), 0.0f);
    EXPECT_EQ(GammaOfText(L"1e400"), 0.0f);
}

TEST_F(SkinConfigTest, NonNumericAndCommaDecimalValAreZero)
{
    EXPECT_EQ(Read(Document("  <SkinGamma val=\"bright\"/>\r\n")).gamma, 0.0f);
    EXPECT_EQ(Read(Document("  <SkinGamma val=\"1,5\"/>\r\n")).gamma, 0.0f);
    EXPECT_EQ(Read(Document("  <SkinGamma val=\"\"/>\r\n")).gamma, 0.0f);
}

// ctest runs this once more in a German locale, whose decimal separator is a
// comma, and says so through TOLVRIN_EXPECT_DECIMAL_COMMA (tests/CMakeLists.txt).
TEST(SkinConfigLocale, PointDecimalReadsTheSameInEveryLocale)
{
    char expectComma[8] = {};
    if (::GetEnvironmentVariableA("TOLVRIN_EXPECT_DECIMAL_COMMA", expectComma, sizeof expectComma) > 0) {
        char separator[8] = {};
        ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator);
        ASSERT_STREQ(separator, ",") << "no comma-decimal locale: is the locales package installed?";
        // The user's rules would read the file's number otherwise.
        ScopedVariant userRead;
        userRead.Get()->vt = VT_BSTR;
        userRead.Get()->bstrVal = ::SysAllocString(L"1.5");
        ::VariantChangeType(userRead.Get(), userRead.Get(), 0, VT_R4);
        EXPECT_FALSE((*userRead).vt == VT_R4 && (*userRead).fltVal == 1.5f);
    }
    const test_support::ScopedComApartment com;
    test_support::TempFolder folder;
    const std::string path = folder.Write("common.xml", Document("  <SkinGamma val=\"1.5\"/>\r\n"));
    EXPECT_EQ(ReadSkinConfigFile(ToWide(path)).gamma, 1.5f);
    EXPECT_EQ(GammaOfText(L"-2.25e1"), -22.5f);
    EXPECT_EQ(GammaOfText(L"1,5"), 0.0f);
}

TEST(SkinConfigWithoutCom, FileIsReadAllTheSame)
{
    // The pull parser needs no COM activation.
    test_support::TempFolder folder;
    const std::string path = folder.Write("common.xml", Document("  <activateskin rootpath=\"C:\\r\"/>\r\n"));
    EXPECT_EQ(ReadSkinConfigFile(ToWide(path)).rootpath, L"C:\\r");
}

}  // namespace
