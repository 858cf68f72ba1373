#include "dialogs/parameters_choice.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr UINT kWesternCodePage = 1252;

ParametersChoice ChoiceWithPasswords(bool usePassword, const wchar_t* password, const wchar_t* repeat)
{
    ParametersChoice choice;
    choice.action = ShutdownAction::Restart;
    choice.hours = "1";
    choice.minutes = "2";
    choice.seconds = "3";
    choice.usePassword = usePassword;
    choice.password = password;
    choice.passwordRepeat = repeat;
    return choice;
}

TEST(CheckChoice, PasswordBoxesDecideWhetherTheChoiceMakesARun)
{
    struct Row {
        const char* name;
        bool usePassword;
        const wchar_t* password;
        const wchar_t* repeat;
        ChoiceProblem problem;
        const char* storedPassword;  // in code page 1252, for a choice without a problem
    };
    const Row rows[] = {
        {"box not ticked", false, L"", L"", ChoiceProblem::None, ""},
        {"box not ticked ignores what the boxes hold", false, L"a", L"b", ChoiceProblem::None, ""},
        {"matching passwords", true, L"L\x00F3\x0064z 1", L"L\x00F3\x0064z 1", ChoiceProblem::None, "L\xF3\x64z 1"},
        {"both empty", true, L"", L"", ChoiceProblem::EmptyPassword, nullptr},
        {"only the repeat typed", true, L"", L"x", ChoiceProblem::PasswordsDiffer, nullptr},
        {"letter case differs", true, L"secret", L"SECRET", ChoiceProblem::PasswordsDiffer, nullptr},
        {"trailing space differs", true, L"secret", L"secret ", ChoiceProblem::PasswordsDiffer, nullptr},
        {"a letter code page 1252 lacks", true, L"\x0141\x00F3\x0064\x017A", L"\x0141\x00F3\x0064\x017A",
         ChoiceProblem::PasswordNotInCodePage, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RunParameters run{ShutdownAction::PowerOff, 77, "before"};
        const ParametersChoice choice = ChoiceWithPasswords(row.usePassword, row.password, row.repeat);

        EXPECT_EQ(CheckChoice(choice, run, kWesternCodePage), row.problem);
        if (row.problem == ChoiceProblem::None) {
            EXPECT_EQ(run.action, ShutdownAction::Restart);
            EXPECT_EQ(run.delaySeconds, 3723);
            EXPECT_EQ(run.password, row.storedPassword);
        } else {
            EXPECT_EQ(run.action, ShutdownAction::PowerOff) << "a refused choice leaves the run alone";
            EXPECT_EQ(run.delaySeconds, 77);
            EXPECT_EQ(run.password, "before");
        }
    }
}

}  // namespace
