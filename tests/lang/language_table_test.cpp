#include "lang/language_table.h"

#include "support/allocation_watch.h"
#include "support/temp_folder.h"
#include "ui/unique_handle.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <random>
#include <string>

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
        ASSERT_EQ(table_.FilePath(), path);
    }

    std::string Lookup(const std::string& key) const { return table_.Lookup(key, true); }

    test_support::TempFolder folder_;
    LanguageTable table_;
};

TEST_F(LanguageTableTest, FindsTheTextOfAKey)
{
    UseLanguageFile("[String]\r\n_AppName=Shutdown Timer\r\n_Hide=Hide\r\n");
    EXPECT_EQ(Lookup("_AppName"), "Shutdown Timer");
    EXPECT_EQ(Lookup("_Hide"), "Hide");
}

TEST_F(LanguageTableTest, KeyAndSectionMatchWhateverTheirCase)
{
    UseLanguageFile("[string]\r\n_AppName=Shutdown Timer\r\n");
    EXPECT_EQ(Lookup("_APPNAME"), "Shutdown Timer");
    EXPECT_EQ(Lookup("_appname"), "Shutdown Timer");
}

TEST_F(LanguageTableTest, SpacesAndEnclosingQuotesAreNotPartOfTheText)
{
    UseLanguageFile("[String]\r\n"
                    "_Spaced  =   two words   \r\n"
                    "_Double=\"  padded  \"\r\n"
                    "_Single='quoted'\r\n");
    EXPECT_EQ(Lookup("_Spaced"), "two words");
    EXPECT_EQ(Lookup("_Double"), "  padded  ");
    EXPECT_EQ(Lookup("_Single"), "quoted");
}

TEST_F(LanguageTableTest, EscapesBecomeLineBreaks)
{
    UseLanguageFile("[String]\r\n"
                    "_CrLf=One.\\r\\nTwo.\r\n"
                    "_Lf=One.\\nTwo.\r\n"
                    "_Backslash=a\\\\nb\r\n"
                    "_Upper=a\\Nb\r\n");
    EXPECT_EQ(Lookup("_CrLf"), "One.\r\nTwo.");
    EXPECT_EQ(Lookup("_Lf"), "One.\nTwo.");
    EXPECT_EQ(Lookup("_Backslash"), "a\\\nb");
    EXPECT_EQ(Lookup("_Upper"), "a\\Nb");
}

TEST_F(LanguageTableTest, WithoutExpansionTheEscapesStay)
{
    UseLanguageFile("[String]\r\n_Lf=One.\\nTwo.\r\n");
    EXPECT_EQ(table_.Lookup("_Lf", false), "One.\\nTwo.");
}

TEST_F(LanguageTableTest, FileWithUnixLineEndsReadsTheSame)
{
    UseLanguageFile("[String]\n_AppName=Shutdown Timer\n_Info=a\\nb\n");
    EXPECT_EQ(Lookup("_AppName"), "Shutdown Timer");
    EXPECT_EQ(Lookup("_Info"), "a\nb");
}

TEST_F(LanguageTableTest, NoNonEmptyTextGivesTheKeyUnexpanded)
{
    UseLanguageFile("[String]\r\n_Hide=\r\n_Quotes=\"\"\r\n[Other]\r\n_Elsewhere=x\r\n");
    EXPECT_EQ(Lookup("_Hide"), "_Hide");
    EXPECT_EQ(Lookup("_Quotes"), "_Quotes");
    EXPECT_EQ(Lookup("_Elsewhere"), "_Elsewhere");
    EXPECT_EQ(Lookup("_Missing\\n"), "_Missing\\n");
}

TEST_F(LanguageTableTest, EmptyKeyGivesEmptyText)
{
    UseLanguageFile("[String]\r\n=nameless\r\n_AppName=Shutdown Timer\r\n");
    EXPECT_EQ(Lookup(""), "");
}

TEST_F(LanguageTableTest, MissingFileGivesKeys)
{
    table_.SetFile(folder_.PathOf("Missing.lng"));
    EXPECT_EQ(Lookup("_AppName"), "_AppName");
}

TEST_F(LanguageTableTest, NoPathGivesKeys)
{
    EXPECT_EQ(table_.FilePath(), "");
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

TEST_F(LanguageTableTest, EveryLookupReadsTheFileAnew)
{
    UseLanguageFile("[String]\r\n_Hide=Hide\r\n");
    EXPECT_EQ(Lookup("_Hide"), "Hide");
    folder_.Write("Timer.lng", "[String]\r\n_Hide=Verbergen\r\n");
    // The platform may cache INI files by their time of last writing, which
    // need not have moved within a few milliseconds: move it.
    ui::UniqueKernelHandle file(CreateFileA(table_.FilePath().c_str(), FILE_WRITE_ATTRIBUTES, 0,
                                            nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(file);
    const FILETIME longAgo{0x12345678, 0x01C00000};
    ASSERT_TRUE(SetFileTime(file.Get(), nullptr, nullptr, &longAgo));
    file.Reset();
    EXPECT_EQ(Lookup("_Hide"), "Verbergen");
}

TEST_F(LanguageTableTest, LookupsShareOneBufferForTheTablesLife)
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
