#include "lang/language_table.h"

#include "support/allocation_watch.h"
#include "support/temp_folder.h"
#include "text/wide_text.h"
#include "base/unique_handle.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <random>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

class LanguageTableTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(folder_.Path().empty()); }

    // Writes the language file and points the table at it.
    void UseLanguageFile(const std::string& content)
    {
        const std::string path = folder_.Write("Timer.lng", content);
        ASSERT_FALSE(path.empty());
        table_.SetFile(path);
        ASSERT_EQ(table_.FilePath(), ToWide(path));
    }

    std::string Lookup(const std::string& key) const { return table_.Lookup(key, true); }

    // Sets the language file's time of last writing. A test that rewrites
    // the file gives it a new time each time: Wine's own INI cache goes by
    // that time alone and would serve the earlier content.
    void SetWriteTime(const FILETIME& time)
    {
        base::UniqueKernelHandle file(CreateFileW(table_.FilePath().c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                                OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(file);
        ASSERT_TRUE(SetFileTime(file.Get(), nullptr, nullptr, &time));
    }

    // Writes a file whose _Hide is `text`, of the given time of last writing.
    void WriteHide(const std::string& text, const FILETIME& time)
    {
        folder_.Write("Timer.lng", "[String]\r\n_Hide=" + text + "\r\n");
        SetWriteTime(time);
    }

    // A file read once, long ago, whose _Hide is "Hide".
    void UseFileReadOnce()
    {
        UseLanguageFile("[String]\r\n_Hide=Hide\r\n");
        SetWriteTime(kLongAgo);
        EXPECT_EQ(Lookup("_Hide"), "Hide");
    }

    static constexpr FILETIME kLongAgo{0x12345678, 0x01C00000};
    static constexpr FILETIME kLater{0x12345678, 0x01C10000};

    test_support::TempFolder folder_;
    LanguageTable table_;
};

// What a lookup gives for the keys of one language file.
struct LookupCase {
    const char* name;
    std::string file;
    std::vector<std::pair<std::string, std::string>> expected;  // key, text
};

void PrintTo(const LookupCase& c, std::ostream* out)
{
    *out << c.name;
}

const LookupCase kLookupCases[] = {
    {"FindsTheTextOfAKey",
     "[String]\r\n_AppName=Shutdown Timer\r\n_Hide=Hide\r\n",
     {{"_AppName", "Shutdown Timer"}, {"_Hide", "Hide"}}},
    {"KeyAndSectionMatchWhateverTheirCase",
     "[string]\r\n_AppName=Shutdown Timer\r\n",
     {{"_APPNAME", "Shutdown Timer"}, {"_appname", "Shutdown Timer"}}},
    {"SpacesAndEnclosingQuotesAreNotPartOfTheText",
     "[String]\r\n_Spaced  =   two words   \r\n_Double=\"  padded  \"\r\n_Single='quoted'\r\n",
     {{"_Spaced", "two words"}, {"_Double", "  padded  "}, {"_Single", "quoted"}}},
    {"EscapesBecomeLineBreaks",
     "[String]\r\n_CrLf=One.\\r\\nTwo.\r\n_Lf=One.\\nTwo.\r\n_Backslash=a\\\\nb\r\n_Upper=a\\Nb\r\n",
     {{"_CrLf", "One.\r\nTwo."}, {"_Lf", "One.\nTwo."}, {"_Backslash", "a\\\nb"}, {"_Upper", "a\\Nb"}}},
    {"FileWithUnixLineEndsReadsTheSame",
     "[String]\n_AppName=Shutdown Timer\n_Info=a\\nb\n",
     {{"_AppName", "Shutdown Timer"}, {"_Info", "a\nb"}}},
    {"NoNonEmptyTextGivesTheKeyUnexpanded",
     "[String]\r\n_Hide=\r\n_Quotes=\"\"\r\n[Other]\r\n_Elsewhere=x\r\n",
     {{"_Hide", "_Hide"}, {"_Quotes", "_Quotes"}, {"_Elsewhere", "_Elsewhere"}, {"_Missing\\n", "_Missing\\n"}}},
    {"EmptyKeyGivesEmptyText",
     "[String]\r\n=nameless\r\n_AppName=Shutdown Timer\r\n",
     {{"", ""}}},
};

class LanguageFileLookupTest : public LanguageTableTest, public ::testing::WithParamInterface<LookupCase> {};

TEST_P(LanguageFileLookupTest, GivesEachKeyItsText)
{
    UseLanguageFile(GetParam().file);
    for (const auto& [key, text] : GetParam().expected) {
        EXPECT_EQ(Lookup(key), text) << "key " << key;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, LanguageFileLookupTest, ::testing::ValuesIn(kLookupCases),
                         [](const ::testing::TestParamInfo<LookupCase>& info) { return info.param.name; });

TEST_F(LanguageTableTest, WithoutExpansionTheEscapesStay)
{
    UseLanguageFile("[String]\r\n_Lf=One.\\nTwo.\r\n");
    EXPECT_EQ(table_.Lookup("_Lf", false), "One.\\nTwo.");
}

TEST_F(LanguageTableTest, MissingFileGivesKeys)
{
    table_.SetFile(folder_.PathOf("Missing.lng"));
    EXPECT_EQ(Lookup("_AppName"), "_AppName");
}

TEST_F(LanguageTableTest, NoPathGivesKeys)
{
    EXPECT_TRUE(table_.FilePath().empty());
    EXPECT_EQ(Lookup("_AppName"), "_AppName");
}

TEST_F(LanguageTableTest, OverlongTextIsCutAt65534Characters)
{
    UseLanguageFile("[String]\r\n_Long=" + std::string(70000, 'x') + "\r\n_After=after\r\n");
    EXPECT_EQ(Lookup("_Long"), std::string(65534, 'x'));
    EXPECT_EQ(Lookup("_After"), "after");
}

TEST_F(LanguageTableTest, BinaryGarbageGivesKeys)
{
    std::mt19937 random(5150);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string garbage(20000, '\0');
    for (char& c : garbage) {
        c = static_cast<char>(byte(random));
    }
    garbage[0] = 'G';  // no byte-order mark
    UseLanguageFile(garbage);
    EXPECT_EQ(Lookup("_AppName"), "_AppName");
    EXPECT_EQ(Lookup("_Hide"), "_Hide");
}

TEST_F(LanguageTableTest, FileEditedSinceTheLastLookupIsReadAnew)
{
    UseFileReadOnce();

    WriteHide("Verbergen", kLater);
    EXPECT_EQ(Lookup("_Hide"), "Verbergen");

    // As long as before: the time alone tells.
    WriteHide("Verstoppen", kLongAgo);
    EXPECT_EQ(Lookup("_Hide"), "Verstoppen");
}

TEST_F(LanguageTableTest, UnchangedFileIsNotReadAgain)
{
    UseFileReadOnce();
    // Opened for nobody else: a new read would fail and give the key, while
    // the size and time can still be queried.
    base::UniqueKernelHandle locked(CreateFileW(table_.FilePath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                              0, nullptr));
    ASSERT_TRUE(locked);
    EXPECT_EQ(Lookup("_Hide"), "Hide");
    EXPECT_EQ(Lookup("_AppName"), "_AppName") << "a key not looked up before is read from the file";
}

TEST_F(LanguageTableTest, FileWrittenWithinTheTimesGranularityIsReadAgainAtEveryLookup)
{
    // Written within the file time's granularity of the lookups: another
    // write may keep both the size and the time, so nothing read is kept.
    // Its time half a minute on, so that a slow machine cannot let the file
    // settle between the lines below.
    UseLanguageFile("[String]\r\n_Hide=Hide\r\n");
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER soon{};
    soon.LowPart = now.dwLowDateTime;
    soon.HighPart = now.dwHighDateTime;
    soon.QuadPart += 30ULL * 10'000'000;
    SetWriteTime(FILETIME{soon.LowPart, soon.HighPart});
    EXPECT_EQ(Lookup("_Hide"), "Hide");
    base::UniqueKernelHandle locked(CreateFileW(table_.FilePath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                              0, nullptr));
    ASSERT_TRUE(locked);
    EXPECT_EQ(Lookup("_Hide"), "_Hide");
}

TEST_F(LanguageTableTest, FileThatGoesAndComesBackIsReadAnew)
{
    UseFileReadOnce();
    ASSERT_TRUE(DeleteFileW(table_.FilePath().c_str()));
    EXPECT_EQ(Lookup("_Hide"), "_Hide");
    WriteHide("Back", kLater);
    EXPECT_EQ(Lookup("_Hide"), "Back");
}

TEST_F(LanguageTableTest, NewFileForgetsTheTextsOfTheOldOne)
{
    UseFileReadOnce();
    const std::string other = folder_.Write("Other.lng", "[String]\r\n_Hide=Weg\r\n");
    table_.SetFile(other);
    SetWriteTime(kLongAgo);
    EXPECT_EQ(Lookup("_Hide"), "Weg");
}

TEST_F(LanguageTableTest, FileInAFolderOutsideTheAnsiCodePageIsRead)
{
    // "Тест Ελλάδα": Cyrillic and Greek, which code page 1252 cannot hold.
    const std::wstring folder = ToWide(folder_.Path()) + L"\\\x0422\x0435\x0441\x0442 \x0395\x03BB\x03BB\x03AC\x03B4\x03B1";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring path = folder + L"\\Timer.lng";
    {
        base::UniqueKernelHandle file(
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file);
        const std::string content = "[String]\r\n_Hide=Verbergen\r\n";
        DWORD written = 0;
        ASSERT_TRUE(WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr));
    }
    table_.SetFile(path);
    EXPECT_EQ(Lookup("_Hide"), "Verbergen");
    DeleteFileW(path.c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST_F(LanguageTableTest, LookupsInAnUnchangedFileAllocateNoLargeBuffer)
{
    UseLanguageFile("[String]\r\n_Hide=Hide\r\n");
    Lookup("_Hide");
    test_support::AllocationWatch watch(65536);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(Lookup("_Hide"), "Hide");
    }
    EXPECT_EQ(watch.LargeCount(), 0u);
}

}  // namespace
