// Every language file that ships beside the executable (bin/languages/, and
// English as bin/TolvrinShutdown.lng): complete, in its code page, with an
// information format the program accepts, and keyboard letters that work.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <cctype>
#include <cwctype>
#include <set>
#include <string>
#include <vector>

#include "countdown/information_format.h"
#include "countdown/information_text.h"
#include "lang/language_table.h"
#include "support/program_process.h"
#include "support/shipped_languages.h"
#include "text/wide_text.h"

namespace {

using test_support::ProgramLanguageKeys;
using test_support::ReadLanguageEntries;
using test_support::ShippedLanguage;
using test_support::ShippedLanguagePath;
using test_support::ShippedLanguages;

// The conversions of a printf format, e.g. "%s in %d:%02d:%02d" -> "sddd".
std::string Conversions(const std::string& format)
{
    std::string kinds;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            continue;
        }
        ++i;
        if (i < format.size() && format[i] == '%') {
            continue;
        }
        while (i < format.size() && std::string("-#0123456789.l").find(format[i]) != std::string::npos) {
            ++i;
        }
        if (i < format.size()) {
            kinds += (format[i] == 'i' || format[i] == 'u') ? 'd' : format[i];
        }
    }
    return kinds;
}

// The letter after a single "&" ("&&" is a literal ampersand), in lower
// case, or 0. Read from the text as shown, so that a Cyrillic or Greek
// letter counts as one letter.
wchar_t MnemonicOf(const std::wstring& text)
{
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == L'&') {
            if (text[i + 1] == L'&') {
                ++i;
                continue;
            }
            // CharLowerBuffW lowers every script; towlower only ASCII in
            // the C locale.
            wchar_t letter = text[i + 1];
            ::CharLowerBuffW(&letter, 1);
            return letter;
        }
    }
    return 0;
}

// The parameters dialog's texts that lead to a control by Alt+letter.
const char* const kMnemonicKeys[] = {"_Selectanaction", "_Hours", "_Mins", "_Secs", "_Usemustenterpswtocancel",
                                     "_asdPassword", "_asdPasswordre", "_Cancel"};
// Its other texts, which must not claim a letter of their own.
const char* const kPlainParameterKeys[] = {"_EnterParams", "_EnerParamsInfo", "_OK", "_SetTimer",
                                           "_LegalNotice", "_Copyright"};
// The countdown window's buttons, each with a letter of its own.
const char* const kCountdownMnemonicKeys[] = {"_Cancel", "_Hide"};

class ShippedLanguageTest : public ::testing::TestWithParam<ShippedLanguage> {
protected:
    void SetUp() override
    {
        path_ = ShippedLanguagePath(GetParam());
        ASSERT_NE(::GetFileAttributesA(path_.c_str()), INVALID_FILE_ATTRIBUTES)
            << path_ << " is missing: build the TolvrinShutdown target, which puts it there";
        entries_ = ReadLanguageEntries(path_, &duplicates_);
    }

    std::string Text(const std::string& key) const
    {
        const auto found = entries_.find(key);
        return found == entries_.end() ? std::string() : found->second;
    }

    std::wstring Shown(const std::string& key) const { return test_support::ShownText(Text(key), GetParam().codePage); }

    // Each key's text has an & letter, and no two of them share one.
    template <std::size_t N>
    void ExpectALetterOfItsOwnForEach(const char* const (&keys)[N]) const
    {
        std::set<wchar_t> letters;
        for (const char* key : keys) {
            const wchar_t letter = MnemonicOf(Shown(key));
            EXPECT_TRUE(std::iswalnum(letter)) << key << " has no & letter: " << Text(key);
            EXPECT_TRUE(letters.insert(letter).second) << key << " repeats the letter U+" << std::hex
                                                       << static_cast<unsigned>(letter);
        }
    }

    std::string path_;
    std::map<std::string, std::string> entries_;
    std::vector<std::string> duplicates_;
};

TEST_P(ShippedLanguageTest, EveryKeyTheProgramLooksUpHasATextAndNoOtherKeyIsThere)
{
    for (const std::string& key : ProgramLanguageKeys()) {
        EXPECT_NE(Text(key), "") << key;
    }
    const std::set<std::string> known(ProgramLanguageKeys().begin(), ProgramLanguageKeys().end());
    for (const auto& entry : entries_) {
        EXPECT_EQ(known.count(entry.first), 1u) << "unknown key " << entry.first;
    }
    EXPECT_TRUE(duplicates_.empty()) << duplicates_.front();
}

TEST_P(ShippedLanguageTest, ProgramReadsTheSameTextsAsTheFileHolds)
{
    LanguageTable table;
    table.SetFile(path_);
    for (const std::string& key : ProgramLanguageKeys()) {
        // In the test process's own code page, where that holds the text: the
        // others show through the program's UTF-8 in the Western-locale tests.
        std::string inProcessCodePage;
        if (ToCodePageExactly(ToWide(Text(key), GetParam().codePage), inProcessCodePage)) {
            EXPECT_EQ(table.Lookup(key, false), inProcessCodePage) << key;
        }
    }
}

TEST_P(ShippedLanguageTest, InformationFormatIsSafeAndNamesTheActionAndTheTime)
{
    const std::string format = Text("_InformationFormate");
    EXPECT_TRUE(IsSafeInformationFormat(format)) << format;
    EXPECT_EQ(Conversions(format), "sddd") << format;
    // Filled by the program's own formatter, the name and the numbers show.
    const std::string shown = FormatInformationText(format, "<action>", RemainingTime{12, 34, 56});
    EXPECT_NE(shown.find("<action>"), std::string::npos) << shown;
    for (const char* number : {"12", "34", "56"}) {
        EXPECT_NE(shown.find(number), std::string::npos) << shown;
    }
}

TEST_P(ShippedLanguageTest, EveryTextIsValidInTheFilesCodePage)
{
    const unsigned int codePage = GetParam().codePage;
    for (const auto& entry : entries_) {
        const std::string& text = entry.second;
        std::wstring wide;
        EXPECT_TRUE(ToWideExactly(text, wide, codePage)) << entry.first << " holds bytes that code page " << codePage << " does not define";
        EXPECT_FALSE(test_support::ShownText(text, codePage).empty()) << entry.first;
        for (const char c : text) {
            EXPECT_GE(static_cast<unsigned char>(c), 0x20u) << entry.first << " holds a control character";
        }
    }
}

// The ANSI code page of the older Windows (before 10 version 1903) of each
// language: the program runs in it there, so every character
// must be one of its own, or it shows as "?" (GBK, Big5 and the Korean code
// page have no copyright sign, for one).
const std::pair<const char*, unsigned int> kOlderWindowsCodePages[] = {
    {"English", 1252},          {"German", 1252},   {"French", 1252},  {"Spanish", 1252},
    {"Italian", 1252},          {"Dutch", 1252},    {"Japanese", 932},
    {"PortugueseBrazil", 1252}, {"Polish", 1250},   {"Czech", 1250},   {"Russian", 1251},
    {"Ukrainian", 1251},        {"Greek", 1253},    {"Turkish", 1254}, {"Swedish", 1252},
    {"Hungarian", 1250},        {"ChineseSimplified", 936}, {"ChineseTraditional", 950},
    {"Korean", 949},            {"Danish", 1252},
};

TEST_P(ShippedLanguageTest, EveryTextShowsInTheCodePageOfItsOlderWindows)
{
    if (GetParam().codePage != CP_UTF8) {
        GTEST_SKIP() << "saved in that code page: EveryTextIsValidInTheFilesCodePage";
    }
    const auto row = std::find_if(std::begin(kOlderWindowsCodePages), std::end(kOlderWindowsCodePages),
                                  [&](const auto& entry) { return GetParam().name == std::string(entry.first); });
    ASSERT_NE(row, std::end(kOlderWindowsCodePages)) << "a UTF-8 language needs the code page of its older Windows";
    for (const auto& entry : entries_) {
        const std::wstring wide = test_support::ShownText(entry.second, CP_UTF8);
        BOOL usedDefault = FALSE;
        char narrow[1024];
        const int length = ::WideCharToMultiByte(row->second, WC_NO_BEST_FIT_CHARS, wide.c_str(),
                                                 static_cast<int>(wide.size()), narrow, sizeof narrow, nullptr,
                                                 &usedDefault);
        EXPECT_GT(length, 0) << entry.first;
        EXPECT_FALSE(usedDefault) << entry.first << " has a character that code page " << row->second << " lacks";
    }
}

TEST_P(ShippedLanguageTest, KeyboardLettersOfTheParametersDialogAreThereAndUnique)
{
    ExpectALetterOfItsOwnForEach(kMnemonicKeys);
    for (const char* key : kPlainParameterKeys) {
        EXPECT_EQ(MnemonicOf(Shown(key)), 0) << key << " claims a letter: " << Text(key);
    }
}

TEST_P(ShippedLanguageTest, KeyboardLettersOfTheCountdownWindowAreThereAndUnique)
{
    ExpectALetterOfItsOwnForEach(kCountdownMnemonicKeys);
}

// Lower case and without spaces, so that "shut down" is found in "Shutdown".
std::string Folded(const std::string& text)
{
    std::string folded;
    for (const char c : text) {
        if (c != ' ') {
            folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return folded;
}

// The prompt shows for every action: it names none of them.
TEST_P(ShippedLanguageTest, PasswordPromptFitsEveryAction)
{
    const std::string prompt = Folded(Text("_EnterPswInfo"));
    for (const char* key : {"_Standby", "_Hibernate", "_Shutdown", "_Logoff", "_RestartPC", "_PowerOffPC"}) {
        EXPECT_EQ(prompt.find(Folded(Text(key))), std::string::npos) << "the prompt names " << Text(key);
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedLanguageTest, ::testing::ValuesIn(ShippedLanguages()),
                         [](const ::testing::TestParamInfo<ShippedLanguage>& info) { return info.param.name; });

TEST(ShippedLanguagesTest, FolderHoldsExactlyTheListedLanguagesAndEnglishIsTheDefault)
{
    std::set<std::string> found;
    WIN32_FIND_DATAA data{};
    const std::string pattern = test_support::TestBinaryFolder() + "\\languages\\*.lng";
    const HANDLE search = ::FindFirstFileA(pattern.c_str(), &data);
    ASSERT_NE(search, INVALID_HANDLE_VALUE) << pattern;
    do {
        found.insert(data.cFileName);
    } while (::FindNextFileA(search, &data));
    ::FindClose(search);

    std::set<std::string> listed;
    for (const ShippedLanguage& language : ShippedLanguages()) {
        listed.insert(std::string(language.name) + ".lng");
    }
    EXPECT_EQ(found, listed) << "a new language file needs its code page in tests/support/shipped_languages.cpp";

    const std::string english = test_support::ReadFileBytes(ShippedLanguagePath(ShippedLanguages().front()));
    EXPECT_FALSE(english.empty());
    EXPECT_EQ(test_support::ReadFileBytes(test_support::TestBinaryFolder() + "\\TolvrinShutdown.lng"), english);
}

TEST(ShippedLanguagesTest, EnglishNamesTheProductAndKeepsThePromptsPlainWords)
{
    const auto english = ReadLanguageEntries(ShippedLanguagePath(ShippedLanguages().front()));
    EXPECT_EQ(english.at("_AppName"), "Tolvrin Shutdown Manager");
    EXPECT_EQ(english.at("OK"), "OK");
    EXPECT_EQ(english.at("Cancel"), "Cancel");
}

TEST(LanguageFileConversionsTest, ReadsFlagsWidthsAndSkipsLiteralPercent)
{
    EXPECT_EQ(Conversions("%s in %d:%02d:%02d"), "sddd");
    EXPECT_EQ(Conversions("100%% %-5s %lu"), "sd");
    EXPECT_EQ(Conversions("%s dans %d h %02d min %02d s"), "sddd");
    EXPECT_EQ(Conversions("no placeholders"), "");
}

TEST(LanguageFileMnemonicTest, FindsTheLetterAfterASingleAmpersand)
{
    EXPECT_EQ(MnemonicOf(L"&Action:"), L'a');
    EXPECT_EQ(MnemonicOf(L"Pass&word:"), L'w');
    EXPECT_EQ(MnemonicOf(L"Fish && &Chips"), L'c');
    EXPECT_EQ(MnemonicOf(L"\u64CD\u4F5C(&A):"), L'a');
    EXPECT_EQ(MnemonicOf(L"\u041E&\u0422\u043C\u0435\u043D\u0430"), L'\u0442');  // Cyrillic, lowered
    EXPECT_EQ(MnemonicOf(L"none && here"), 0);
}

}  // namespace
