#include "dialogs/parameters_choice.h"

#include "dialogs/delay_fields.h"
#include "text/wide_text.h"

ChoiceProblem CheckChoice(const ParametersChoice& choice, RunParameters& run, UINT codePage)
{
    std::string password;
    if (choice.usePassword) {
        if (choice.password.empty() && choice.passwordRepeat.empty()) {
            return ChoiceProblem::EmptyPassword;
        }
        if (choice.password != choice.passwordRepeat) {
            return ChoiceProblem::PasswordsDiffer;
        }
        // The run keeps its password in the ANSI code page: a character it
        // cannot hold would become "?", and typing "?" would cancel the run.
        if (!ToCodePageExactly(choice.password, password, codePage)) {
            return ChoiceProblem::PasswordNotInCodePage;
        }
    }
    run.action = choice.action;
    run.delaySeconds = DelayFromFields(choice.hours, choice.minutes, choice.seconds);
    run.password = password;
    return ChoiceProblem::None;
}
