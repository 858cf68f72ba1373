// The libraries a counting run holds: a run without common.xml loads neither
// the XML parser nor OLE Automation, and a run with it keeps OLE Automation
// for the skin engine but lets the parser go once the file is read; while the
// window stays hidden, nothing is loaded for screen readers.
#include <gtest/gtest.h>

#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "support/program_copy.h"
#include "support/program_process.h"
#include "support/program_windows.h"
#include "support/wine_only.h"
#include "ui/unique_handle.h"

namespace {

using test_support::ProgramCopy;
using test_support::ProgramProcess;

// The lower-case file names of the modules loaded in process `id`.
std::set<std::string> LoadedModules(DWORD id)
{
    std::set<std::string> names;
    const ui::UniqueKernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, id));
    if (snapshot.Get() == INVALID_HANDLE_VALUE) {
        return names;
    }
    MODULEENTRY32 module{};
    module.dwSize = sizeof module;
    for (BOOL more = ::Module32First(snapshot.Get(), &module); more; more = ::Module32Next(snapshot.Get(), &module)) {
        std::string name = module.szModule;
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        names.insert(name);
    }
    return names;
}

struct Configuration {
    const char* name;
    ProgramCopy::Engine engine;
    bool withCommonXml;
    bool oleAutomationLoaded;
};

TEST(LoadedLibrariesEndToEnd, CountingRunHoldsOnlyWhatItsConfigurationUses)
{
    SKIP_UNLESS_UNDER_WINE();
    const Configuration configurations[] = {
        {"bare", ProgramCopy::Engine::Absent, false, false},
        {"skinned", ProgramCopy::Engine::Included, true, true},
    };
    for (const Configuration& configuration : configurations) {
        SCOPED_TRACE(configuration.name);
        const ProgramCopy copy(configuration.engine,
                               configuration.withCommonXml ? test_support::ShippedCommonXml() : std::string());
        ASSERT_TRUE(copy.IsComplete());
        ProgramProcess program(copy.ExePath(), "0,60,");
        ASSERT_TRUE(program.Started());
        const HWND window = test_support::WaitForCountdownWindow(program.Id());
        ASSERT_NE(window, nullptr);
        // Until the window's initialisation is over and the run counts.
        const ui::UniqueKernelHandle process(
            ::OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, program.Id()));
        ASSERT_EQ(::WaitForInputIdle(process.Get(), 10000), 0u);

        const std::set<std::string> modules = LoadedModules(program.Id());
        ASSERT_EQ(modules.count("tolvrinshutdown.exe"), 1u) << "the module list was not read";
        EXPECT_EQ(modules.count("oleaut32.dll"), configuration.oleAutomationLoaded ? 1u : 0u);
        EXPECT_EQ(modules.count("msxml3.dll"), 0u);
        // The screen readers' property service waits for the window to show.
        EXPECT_EQ(modules.count("oleacc.dll"), 0u);
        EXPECT_EQ(test_support::ExitCodeAfterCommand(program, window, IDCANCEL), 2u);
        // Wine needs a moment before the next copy takes the mutex.
        ::Sleep(300);
    }
}

}  // namespace
