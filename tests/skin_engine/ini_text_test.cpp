// The engine's reading of a skin file from memory, side by side with the
// profile calls reading the same file from the disk.
#include "ini_text.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "support/skin_engine_client.h"
#include "support/temp_folder.h"
#include "text/wide_text.h"

namespace {

constexpr wchar_t kAbsent[] = L"(absent)";

// Every key the engine reads, and a few it does not.
const wchar_t* const kKeys[] = {L"Background", L"Text",  L"ButtonFace", L"ButtonText",      L"Hot",
                                L"Pressed",    L"Border", L"Accent",    L"Field",           L"FieldText",
                                L"Heading",    L"Information", L"Font", L"FontSize",        L"BackgroundImage",
                                L"Missing",    L"",      L"a"};

// The bytes as the profile calls read a file without a byte-order mark (the
// tests' files are ASCII).
std::wstring Widened(const std::string& bytes)
{
    return std::wstring(bytes.begin(), bytes.end());
}

std::wstring FromMemory(const std::wstring& text, const wchar_t* section, const wchar_t* key)
{
    const skin::IniText ini(text.data(), text.size());
    const auto value = ini.Value(section, key);
    return value ? std::wstring(value->text, value->length) : kAbsent;
}

std::wstring FromProfile(const std::string& path, const wchar_t* section, const wchar_t* key)
{
    wchar_t value[512] = {};
    ::GetPrivateProfileStringW(section, key, kAbsent, value, 512, ToWide(path).c_str());
    return value;
}

// Both readers give the same value for every key of `sections`.
void ExpectSameAsTheProfileCalls(const std::string& path, const std::string& bytes,
                                 std::initializer_list<const wchar_t*> sections)
{
    const std::wstring text = Widened(bytes);
    for (const wchar_t* section : sections) {
        for (const wchar_t* key : kKeys) {
            EXPECT_EQ(FromMemory(text, section, key), FromProfile(path, section, key))
                << "[" << ToCodePage(section) << "] " << ToCodePage(key);
        }
    }
}

std::string FileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(IniTextTest, ShippedSkinsReadAsTheProfileCallsReadThem)
{
    for (const char* name : {"light", "dark"}) {
        const std::string path = test_support::ShippedSkinFile(name);
        const std::string bytes = FileBytes(path);
        ASSERT_FALSE(bytes.empty()) << path;
        ExpectSameAsTheProfileCalls(path, bytes, {L"Skin", L"skin", L"Other"});
    }
}

TEST(IniTextTest, EdgeCasesReadAsTheProfileCallsReadThem)
{
    const std::string bytes =
        "; a comment line\r\n"
        "Background=#000000\r\n"  // before any section
        "[Other]\r\n"
        "Background=#111111\r\n"
        "[ sKiN ]\r\n"  // in any case, spaces trimmed
        "  background  =  #102030  \r\n"
        "BACKGROUND=#FFFFFF\r\n"  // the first of equal keys counts
        "Text=\"#203040\"\r\n"
        "Hot='#304050'\r\n"
        "Pressed=\"#405060'\r\n"
        "Border=\"\r\n"
        "Accent=\"\"\r\n"
        "Field\r\n"
        "Field=#ABCDEF\r\n"  // hidden by the bare key before it
        "FieldText=a=b\r\n"
        "Heading =   \r\n"
        "\tInformation\t=\t'x y'\t\r\n"
        ";Font=Arial\r\n"
        " ; FontSize=9\r\n"
        "Font = Tahoma ; kept\r\n"
        "FontSize=9\rBackgroundImage=own line\r\n"  // a lone CR ends a line too
        "=nameless\r\n"
        "a\r\n"
        "ButtonText=#123456\x1A\r\n"
        "[Skin] and more\r\n"  // a second section of the name is not read
        "ButtonFace=#999999\r\n"
        "Background=#999999\r\n"
        "[Other]\r\n"
        "Text=#333333";
    test_support::TempFolder folder;
    const std::string path = folder.Write("edge.ini", bytes);
    ExpectSameAsTheProfileCalls(path, bytes, {L"Skin", L" Skin ", L"Other", L"Missing", L""});
}

TEST(IniTextTest, CarriageReturnsAloneEndLinesAsLineFeedsDo)
{
    const std::string bytes = "[Skin]\rBackground=#010203\rText = #040506 \r";
    test_support::TempFolder folder;
    const std::string path = folder.Write("mac.ini", bytes);
    ExpectSameAsTheProfileCalls(path, bytes, {L"Skin"});
    EXPECT_EQ(FromMemory(Widened(bytes), L"Skin", L"Text"), L"#040506");
}

TEST(IniTextTest, SectionsAreFoundInAnyCaseOnlyAsSectionLines)
{
    const std::wstring text = L"Skin=1\r\n[other]\r\n  [SKIN]  \r\n";
    const skin::IniText ini(text.data(), text.size());
    EXPECT_TRUE(ini.HasSection(L"skin"));
    EXPECT_TRUE(ini.HasSection(L"Other"));
    EXPECT_FALSE(ini.HasSection(L"Skin=1"));
    EXPECT_FALSE(skin::IniText(L"Skin", 4).HasSection(L"Skin"));
    EXPECT_FALSE(skin::IniText(L"", 0).HasSection(L"Skin"));
}

}  // namespace
