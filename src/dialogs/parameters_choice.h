// What the user chose in the parameters dialog, as its controls hold it when
// OK is pressed, and the check that turns it into a run or names what is
// wrong with it. No window: the dialog reads its controls into the record
// and shows the message that the check names.
#pragma once

#include <windows.h>

#include <string>

#include "run/run_parameters.h"

struct ParametersChoice {
    ShutdownAction action = ShutdownAction::Standby;
    // The texts of the hour, minute and second lists (dialogs/delay_fields.h).
    std::string hours;
    std::string minutes;
    std::string seconds;
    bool usePassword = false;
    // As typed, in UTF-16: converted to the code page only once they match.
    std::wstring password;
    std::wstring passwordRepeat;
};

// Why a choice makes no run; the dialog stays open and tells the user.
enum class ChoiceProblem {
    None,
    EmptyPassword,          // protection asked for, but both boxes empty: it would give none
    PasswordsDiffer,        // byte for byte, letter case included
    PasswordNotInCodePage,  // a character the run's code page cannot hold
};

// Checks `choice`; with no problem, `run` receives the run it describes (the
// password in `codePage`, the ANSI code page by default; empty when the box
// is not ticked, whatever the password boxes hold). With a problem `run` is
// left alone.
ChoiceProblem CheckChoice(const ParametersChoice& choice, RunParameters& run, UINT codePage = CP_ACP);
