#include "app/application.h"

#include <commctrl.h>
#include <objbase.h>

#include "app/command_line.h"
#include "app/single_instance.h"
#include "run/run_parameters.h"
#include "countdown/countdown_window.h"
#include "dialogs/parameters_dialog.h"
#include "lang/language_file_path.h"
#include "lang/language_table.h"
#include "ui/message_loop.h"
#include "ui/ui_module.h"
#include "base/unique_handle.h"

namespace {

class ComInitialization {
public:
    ComInitialization() { ::CoInitialize(nullptr); }
    ~ComInitialization() { ::CoUninitialize(); }
    ComInitialization(const ComInitialization&) = delete;
    ComInitialization& operator=(const ComInitialization&) = delete;
};

void ShowAlreadyRunning()
{
    const LanguageTable& language = TheLanguageTable();
    ::MessageBoxA(nullptr, language.Lookup("_AlreadyRunningAnInstance", true).c_str(),
                  language.Lookup("_AppName", true).c_str(), MB_OK | MB_ICONINFORMATION);
}

}  // namespace

int RunCountdown(const PowerPlatform& power)
{
    ui::MessageLoop loop;
    ui::MessageLoopRegistration registration(loop);
    CountdownWindow window(TheRunParameters(), power);
    if (!window.Create()) {
        return kExitNoRun;
    }
    window.Show(SW_HIDE);
    return loop.Run();
}

int RunApplication(HINSTANCE instance, const wchar_t* commandLine, const PowerPlatform& power)
{
    // Declared first so that it is released last: the next copy may start only
    // once this one has finished.
    base::UniqueKernelHandle singleInstance;
    ComInitialization com;

    TheLanguageTable().SetFile(LanguageFilePath(nullptr));

    if (AnotherCopyIsRunning(kSingleInstanceMutexName, singleInstance)) {
        ShowAlreadyRunning();
        return kExitNoRun;
    }

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&controls);

    ui::UiModuleScope uiModule(instance);

    if (!ParseProgramCommandLine(commandLine, TheRunParameters())) {
        ParametersDialog parameters(TheRunParameters());
        if (parameters.Run(::GetActiveWindow()) != IDOK) {
            return kExitNoRun;
        }
    }
    const int exitCode = RunCountdown(power);
    // The run is over: its window, timers and icon are gone, the action is
    // made. What is left (the skin engine and COM, the loaded libraries, the
    // runtime's own teardown) the system frees with the process; releasing it
    // piece by piece would only hold the process tens of milliseconds longer,
    // at the moment the machine goes down. The mutex goes with the process.
    ::ExitProcess(static_cast<UINT>(exitCode));
}
