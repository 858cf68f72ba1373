// Reading an INI file from memory, side by side with the profile calls
// reading the same file from the disk.
#include "text/ini_text.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "support/case_table.h"
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
    const IniText ini(text.data(), text.size());
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
    const IniText ini(text.data(), text.size());
    EXPECT_TRUE(ini.HasSection(L"skin"));
    EXPECT_TRUE(ini.HasSection(L"Other"));
    EXPECT_FALSE(ini.HasSection(L"Skin=1"));
    EXPECT_FALSE(IniText(L"Skin", 4).HasSection(L"Skin"));
    EXPECT_FALSE(IniText(L"", 0).HasSection(L"Skin"));
}

}  // namespace

namespace {

// The text of `key` in section [String] of `file`, or "(none)".
std::wstring TextIn(const std::wstring& file, const std::wstring& key)
{
    const auto text = IniText(file.data(), file.size()).Value(L"String", key.c_str());
    return text ? std::wstring(text->text, text->length) : L"(none)";
}

}  // namespace

TEST(IniTextTest, KeepsThePlatformsRulesOfAnIniFile)
{
    const std::wstring file = L"_Before=outside\r\n"
                              L"[other]\r\n_Key=other section\r\n"
                              L"  [sTrInG]  \r\n"
                              L"; _Key=a comment\r\n"
                              L"_Key = first \r\n"
                              L"_KEY=second\r\n"
                              L"\t_Tabbed\t=\ttext\t\r\n"
                              L"_Double=\"  quoted  \"\r\n"
                              L"_Single='x'\r\n"
                              L"_Unmatched=\"x'\r\n"
                              L"_Lone=\"\r\n"
                              L"_Equals=a=b\r\n"
                              L"NoEquals\r\n"
                              L"_Empty=\r\n"
                              L"_\x00C4rger=umlaut\r\n"
                              L"_Unix=lf\n_Mac=cr\r"
                              L"[String]\r\n_Again=second section\r\n";
    test_support::ExpectEachCase<std::wstring, std::wstring>([&](const std::wstring& key) { return TextIn(file, key); },
        {
            {L"_Key", L"first", "the first of two keys, spaces trimmed, any case"},
            {L"_key", L"first", "looked up in another case"},
            {L"_Tabbed", L"text", "tabs are white space"},
            {L"_Double", L"  quoted  ", "matching double quotes go, what they hold stays"},
            {L"_Single", L"x", "matching single quotes go"},
            {L"_Unmatched", L"\"x'", "quotes that do not match stay"},
            {L"_Lone", L"\"", "one quote alone stays"},
            {L"_Equals", L"a=b", "the key ends at the first equals sign"},
            {L"NoEquals", L"(none)", "a line without equals sign holds no text"},
            {L"_Empty", L"", "an empty text"},
            {L"_\x00E4RGER", L"umlaut", "letters beyond ASCII match in any case too"},
            {L"_Unix", L"lf", "LF alone ends a line"},
            {L"_Mac", L"cr", "CR alone ends a line"},
            {L"_Before", L"(none)", "outside every section"},
            {L"; _Key", L"(none)", "a comment is no entry"},
            {L"_Again", L"(none)", "only the first section of the name counts"},
        });
}
