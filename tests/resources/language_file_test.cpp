// The English language file that ships beside the executable (the build
// copies resources/TolvrinShutdown.lng into the folder of the executables).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

std::string ShippedLanguageFile()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.erase(folder.find_last_of('\\') + 1);
    return folder + "TolvrinShutdown.lng";
}

std::string Entry(const std::string& file, const char* key)
{
    std::vector<char> buffer(65536, '\0');
    ::GetPrivateProfileStringA("String", key, "", buffer.data(), 65535, file.c_str());
    return buffer.data();
}

// The conversions of a printf format, e.g. "s", "d", "02d" -> "sdd".
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
        while (i < format.size() && std::string("-#0123456789l").find(format[i]) != std::string::npos) {
            ++i;
        }
        if (i < format.size()) {
            kinds += format[i];
        }
    }
    return kinds;
}

class LanguageFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        file_ = ShippedLanguageFile();
        ASSERT_NE(::GetFileAttributesA(file_.c_str()), INVALID_FILE_ATTRIBUTES)
            << file_ << " is missing: build the TolvrinShutdown target, which puts it there";
    }

    std::string file_;
};

TEST_F(LanguageFileTest, EveryKeyTheProgramLooksUpHasAText)
{
    const char* const keys[] = {
        "_AppName", "_AlreadyRunningAnInstance", "_InvalidPsw", "_PswsNotMatched", "_InformationFormate",
        "_Standby", "_Hibernate", "_Shutdown", "_Logoff", "_RestartPC", "_PowerOffPC",
        "_TrayDispInfo", "_TrayHideInfo", "_TrayCancel",
        "_cbstandby", "_cbHibernate", "_cbShutdownpc", "_cbLogoffWindows", "_cbRestartWindows", "_cbPowerOffPC",
        "_Cancel", "_Hide", "_Info", "_EnterPsw", "_EnterPswInfo",
        "_EnterParams", "_EnerParamsInfo", "_OK", "_Selectanaction", "_SetTimer", "_Hours", "_Mins", "_Secs",
        "_Usemustenterpswtocancel", "_asdPassword", "_asdPasswordre",
    };
    for (const char* key : keys) {
        EXPECT_NE(Entry(file_, key), "") << key;
    }
    EXPECT_EQ(Entry(file_, "_AppName"), "Tolvrin Shutdown Manager");
}

TEST_F(LanguageFileTest, PasswordDialogButtonWordsStayUntranslated)
{
    EXPECT_EQ(Entry(file_, "OK"), "");
    EXPECT_EQ(Entry(file_, "Cancel"), "");
}

TEST_F(LanguageFileTest, InformationFormatTakesTheActionNameThenThreeNumbers)
{
    EXPECT_EQ(Conversions(Entry(file_, "_InformationFormate")), "sddd");
}

TEST(LanguageFileConversionsTest, ReadsFlagsWidthsAndSkipsLiteralPercent)
{
    EXPECT_EQ(Conversions("%s in %d:%02d:%02d"), "sddd");
    EXPECT_EQ(Conversions("100%% %-5s %lu"), "su");
    EXPECT_EQ(Conversions("no placeholders"), "");
}

}  // namespace
