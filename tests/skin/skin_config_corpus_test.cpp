// common.xml files of every kind, each with the settings it stands for.
// These are the settings that the DOM component gave for the same files when
// it still read common.xml; the pull parser was checked against it side by
// side on this corpus before the DOM reader went.
#include "skin/skin_config.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "skin/skin_config_xml.h"
#include "support/temp_folder.h"
#include "support/wine_only.h"
#include "text/wide_text.h"

// Found by GoogleTest beside the type, for the messages of failed checks.
void PrintTo(const SkinConfig& config, std::ostream* out)
{
    *out << "{" << ::testing::PrintToString(config.rootpath) << ", " << ::testing::PrintToString(config.uis) << ", "
         << config.gamma << "}";
}

namespace {

struct Case {
    std::string name;
    std::string bytes;
    SkinConfigTexts texts;  // what the file gives; all empty: no skin
};

const SkinConfigTexts kNone{};

std::string Document(const std::string& body)
{
    return "<?xml version=\"1.0\"?>\r\n<config>\r\n" + body + "</config>\r\n";
}

const std::string kShipped = Document(
    "  <activateskin rootpath=\"%ModulePath%\\skins\\light\" uis=\"light.ini\"/>\r\n  <SkinGamma val=\"0\"/>\r\n");
const SkinConfigTexts kShippedTexts{L"%ModulePath%\\skins\\light", L"light.ini", L"0"};

std::string Utf16(const std::wstring& text, bool bigEndian)
{
    std::string bytes;
    for (const wchar_t c : text) {
        const char high = static_cast<char>(c >> 8);
        const char low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

std::string Nested(int depth)
{
    std::string open;
    std::string close;
    for (int i = 0; i < depth; ++i) {
        open += "<n>";
        close += "</n>";
    }
    return open + close;
}

// Filler that brings a document to about `size` bytes.
std::string Filler(const std::string& unit, std::size_t size)
{
    std::string filler;
    while (filler.size() + unit.size() <= size) {
        filler += unit;
    }
    return filler;
}

std::vector<Case> Corpus()
{
    const std::wstring cyrillic = L"\x0422\x0435\x0441\x0442";  // Тест
    std::vector<Case> cases = {
        // The README's rules.
        {"three values", Document("<activateskin rootpath=\"C:\\skins\" uis=\"blue.uis\"/><SkinGamma val=\"1.25\"/>"),
         {L"C:\\skins", L"blue.uis", L"1.25"}},
        {"shipped", kShipped, kShippedTexts},
        {"no declaration", "<config><activateskin rootpath=\"r\" uis=\"u\"/></config>", {L"r", L"u", L""}},
        {"missing uis", Document("<activateskin rootpath=\"r\"/><SkinGamma val=\"2\"/>"), {L"r", L"", L"2"}},
        {"first of two counts", Document("<activateskin rootpath=\"first\"/><activateskin rootpath=\"second\" "
                                         "uis=\"s\"/><SkinGamma val=\"1\"/><SkinGamma val=\"2\"/>"),
         {L"first", L"", L"1"}},
        {"first is empty", Document("<activateskin/><activateskin rootpath=\"r\" uis=\"u\"/>"), kNone},
        {"element names with their case", Document("<ActivateSkin rootpath=\"r\" uis=\"u\"/><skingamma val=\"2\"/>"),
         kNone},
        {"attribute names with their case",
         Document("<activateskin RootPath=\"r\" UIS=\"u\"/><SkinGamma Val=\"2\"/>"), kNone},
        {"root with its case", "<Config><activateskin rootpath=\"r\" uis=\"u\"/></Config>", kNone},
        {"root of another name", "<settings><activateskin rootpath=\"r\" uis=\"u\"/></settings>", kNone},
        {"below the root only", Document("<skins><activateskin rootpath=\"r\" uis=\"u\"/></skins>"), kNone},
        {"deeper one first, direct one counts",
         Document("<x><activateskin rootpath=\"deep\"/></x><activateskin rootpath=\"direct\" uis=\"u\"/>"),
         {L"direct", L"u", L""}},
        {"elements in another order", Document("<SkinGamma val=\"-1\"/><other/><activateskin uis=\"u\" rootpath=\"r\">"
                                               "text<child/></activateskin>"),
         {L"r", L"u", L"-1"}},
        {"val not a number", Document("<SkinGamma val=\"bright\"/>"), {L"", L"", L"bright"}},
        {"val with a comma", Document("<SkinGamma val=\"1,5\"/>"), {L"", L"", L"1,5"}},
        {"val with spaces", Document("<SkinGamma val=\"  .5e1 \"/>"), {L"", L"", L"  .5e1 "}},
        {"val beyond a float", Document("<SkinGamma val=\"1e40\"/>"), {L"", L"", L"1e40"}},
        // Broken files.
        {"empty file", "", kNone},
        {"only a declaration", "<?xml version=\"1.0\"?>", kNone},
        {"unclosed root", "<config><activateskin rootpath=\"r\" uis=\"u\"/>", kNone},
        {"unclosed attribute", "<config><activateskin rootpath=\"r\" uis=\"u></config>", kNone},
        {"binary", std::string("\0\1\2garbage", 10), kNone},
        {"mismatched end tag", "<config><activateskin rootpath=\"r\" uis=\"u\"></config></activateskin>", kNone},
        {"two roots", "<config><activateskin rootpath=\"r\" uis=\"u\"/></config><config/>", kNone},
        {"text after the root", kShipped + "trailing", kNone},
        {"comment after the root", kShipped + "<!-- fine -->\r\n", kShippedTexts},
        {"space before the declaration", " " + kShipped, kNone},
        {"attribute without quotes", "<config><activateskin rootpath=r uis=\"u\"/></config>", kNone},
        {"duplicate attribute", Document("<activateskin rootpath=\"a\" rootpath=\"b\" uis=\"u\"/>"), kNone},
        {"NUL inside", Document(std::string("<activateskin rootpath=\"r") + '\0' + "\" uis=\"u\"/>"), kNone},
        {"less-than in a value", Document("<activateskin rootpath=\"a<b\" uis=\"u\"/>"), kNone},
        {"undefined entity", Document("<activateskin rootpath=\"&nothing;\" uis=\"u\"/>"), kNone},
        // Encodings.
        {"UTF-8 with a mark", "\xEF\xBB\xBF" + kShipped, kShippedTexts},
        {"UTF-8 declared", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><config><activateskin rootpath=\"C:\\"
                           "\xD0\xA2\xD0\xB5\xD1\x81\xD1\x82\" uis=\"\xC5\x81\xC3\xB3\x64\xC5\xBA.ini\"/></config>",
         {L"C:\\" + cyrillic, L"\x0141\x00F3" L"d\x017A.ini", L""}},
        {"UTF-8 undeclared", "<config><activateskin rootpath=\"C:\\\xCE\x95\xCE\xBB\" uis=\"u\"/></config>",
         {L"C:\\\x0395\x03BB", L"u", L""}},
        {"UTF-8 invalid bytes", "<config><activateskin rootpath=\"C:\\\xC0\xFF\" uis=\"u\"/></config>", kNone},
        {"UTF-16 little-endian",
         "\xFF\xFE" + Utf16(L"<?xml version=\"1.0\" encoding=\"UTF-16\"?><config><activateskin rootpath=\"C:\\" +
                                cyrillic + L"\" uis=\"u\"/><SkinGamma val=\"0.5\"/></config>",
                            false),
         {L"C:\\" + cyrillic, L"u", L"0.5"}},
        {"UTF-16 big-endian",
         "\xFE\xFF" + Utf16(L"<config><activateskin rootpath=\"C:\\" + cyrillic + L"\" uis=\"u\"/></config>", true),
         {L"C:\\" + cyrillic, L"u", L""}},
        {"ISO-8859-1 declared",
         "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><config><activateskin rootpath=\"C:\\caf\xE9\" uis=\"u\"/>"
         "</config>",
         {L"C:\\caf\x00E9", L"u", L""}},
        {"windows-1252 declared",
         "<?xml version=\"1.0\" encoding=\"windows-1252\"?><config><activateskin rootpath=\"C:\\\x80\" uis=\"u\"/>"
         "</config>",
         {L"C:\\\x20AC", L"u", L""}},
        {"windows-1251 declared",
         "<?xml version=\"1.0\" encoding=\"windows-1251\"?><config><activateskin rootpath=\"C:\\\xD2\xE5\xF1\xF2\" "
         "uis=\"u\"/></config>",
         {L"C:\\" + cyrillic, L"u", L""}},
        // Entities and references.
        {"predefined entities", Document("<activateskin rootpath=\"a&amp;b&apos;&quot;&lt;&gt;\" uis=\"u\"/>"),
         {L"a&b'\"<>", L"u", L""}},
        {"character references", Document("<activateskin rootpath=\"&#x41;&#66;&#x422;\" uis=\"u\"/>"),
         {L"AB\x0422", L"u", L""}},
        {"white space in values", Document("<activateskin rootpath=\"a\tb\r\nc\" uis=\"u\"/>"),
         {L"a b c", L"u", L""}},
        {"referenced white space stays", Document("<activateskin rootpath=\"a&#9;b\" uis=\"u\"/>"),
         {L"a\tb", L"u", L""}},
        {"internal DTD", "<?xml version=\"1.0\"?><!DOCTYPE config [<!ENTITY s \"skins\">]><config><activateskin "
                         "rootpath=\"&s;\" uis=\"u\"/></config>",
         kNone},
        {"external entity", "<?xml version=\"1.0\"?><!DOCTYPE config [<!ENTITY x SYSTEM \"C:\\secret.txt\">]>"
                            "<config><activateskin rootpath=\"r\" uis=\"u\">&x;</activateskin></config>",
         kNone},
        {"external DTD", "<?xml version=\"1.0\"?><!DOCTYPE config SYSTEM \"http://127.0.0.1:9/c.dtd\"><config>"
                         "<activateskin rootpath=\"r\" uis=\"u\"/></config>",
         kNone},
        // Comments, processing instructions and CDATA.
        {"comments everywhere", "<!-- a --><?xml-stylesheet href=\"x\"?><config><!-- <activateskin rootpath=\"c\" "
                                "uis=\"c\"/> --><activateskin rootpath=\"r\" uis=\"u\"/><!----></config><!-- z -->",
         {L"r", L"u", L""}},
        {"CDATA is text", Document("<![CDATA[<activateskin rootpath=\"c\" uis=\"c\"/>]]><activateskin "
                                   "rootpath=\"r\" uis=\"u\"><![CDATA[<SkinGamma val=\"3\"/>]]></activateskin>"),
         {L"r", L"u", L""}},
        {"unclosed CDATA", Document("<activateskin rootpath=\"r\" uis=\"u\"/><![CDATA[x"), kNone},
        {"unclosed comment", Document("<activateskin rootpath=\"r\" uis=\"u\"/><!-- x"), kNone},
        // Namespaces.
        {"default namespace", "<config xmlns=\"urn:x\"><activateskin rootpath=\"r\" uis=\"u\"/></config>",
         {L"r", L"u", L""}},
        {"prefixed element", "<config xmlns:a=\"urn:a\"><a:activateskin rootpath=\"r\" uis=\"u\"/></config>", kNone},
        {"prefixed attribute", "<config xmlns:a=\"urn:a\"><activateskin a:rootpath=\"r\" uis=\"u\"/></config>",
         {L"", L"u", L""}},
        // Deep nesting beside the elements that count.
        {"nested 100 deep", Document("<activateskin rootpath=\"r\" uis=\"u\"/>" + Nested(100)), {L"r", L"u", L""}},
        {"nested 250 deep", Document(Nested(250) + "<activateskin rootpath=\"r\" uis=\"u\"/>"), {L"r", L"u", L""}},
        // Near the megabyte that is read.
        {"a megabyte of comments",
         Document(Filler("<!--" + std::string(1000, 'x') + "-->\r\n", 1000000) +
                  "<activateskin rootpath=\"r\" uis=\"u\"/><SkinGamma val=\"3\"/>"),
         {L"r", L"u", L"3"}},
        {"a megabyte of elements",
         Document(Filler("<e a=\"1\"/>", 1000000) + "<activateskin rootpath=\"r\" uis=\"u\"/>"), {L"r", L"u", L""}},
        {"a path of a megabyte", Document("<activateskin rootpath=\"C:\\" + std::string(1000000, 'p') + "\"/>"),
         {L"C:\\" + std::wstring(1000000, L'p'), L"", L""}},
    };
    // Every shorter start of the shipped file is broken, up to the last
    // line's end.
    const std::size_t complete = kShipped.size() - 2;
    for (std::size_t length = 0; length < kShipped.size(); ++length) {
        cases.push_back({"shipped cut at " + std::to_string(length), kShipped.substr(0, length),
                         length >= complete ? kShippedTexts : kNone});
    }
    return cases;
}

bool IsOneOf(const std::string& name, std::initializer_list<const char*> names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Files that Windows' pull parser reads as the table says and Wine's (8.0)
// does not: encodings it lacks (it refuses such files, the safe way),
// bytes that are no UTF-8, which it takes with replacement characters, and a
// tab written as a reference, which it turns into a space.
bool WineParserDiffers(const std::string& name)
{
    return IsOneOf(name, {"UTF-16 big-endian", "ISO-8859-1 declared", "windows-1252 declared",
                          "windows-1251 declared", "UTF-8 invalid bytes", "referenced white space stays"});
}

TEST(SkinConfigFiles, EachGivesItsSettings)
{
    test_support::TempFolder folder;
    const bool underWine = test_support::IsRunningUnderWine();
    for (const Case& file : Corpus()) {
        SCOPED_TRACE(file.name);
        if (underWine && WineParserDiffers(file.name)) {
            continue;
        }
        const std::wstring path = ToWide(folder.Write("common.xml", file.bytes));
        ASSERT_FALSE(path.empty());
        EXPECT_EQ(ReadSkinConfigFile(path), SkinConfigOf(file.texts));
    }
}

}  // namespace
