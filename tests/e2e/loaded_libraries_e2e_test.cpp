// The libraries a counting run holds: a run without a skin loads neither the
// skin engine nor OLE Automation, whether the engine lies beside the program
// or not, and a skinned run keeps both but lets the XML parser go once
// common.xml is read; while the window stays hidden, nothing is loaded for
// screen readers.
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
#include "base/unique_handle.h"

namespace {

using test_support::ProgramCopy;
using test_support::ProgramProcess;

// The lower-case file names of the modules loaded in process `id`.
std::set<std::string> LoadedModules(DWORD id)
{
    std::set<std::string> names;
    const base::UniqueKernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, id));
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
    std::string commonXml;  // empty: none
    bool skinned;           // the engine and OLE Automation are loaded
};

TEST(LoadedLibrariesEndToEnd, CountingRunHoldsOnlyWhatItsConfigurationUses)
{
    SKIP_UNLESS_UNDER_WINE();
    const Configuration configurations[] = {
        {"bare", ProgramCopy::Engine::Absent, "", false},
        {"engine beside the program, no common.xml", ProgramCopy::Engine::Included, "", false},
        {"uis=\"\"", ProgramCopy::Engine::Included,
         "<?xml version=\"1.0\"?>\r\n<config>\r\n  <activateskin rootpath=\"%ModulePath%\\skins\\light\" uis=\"\"/>\r\n"
         "  <SkinGamma val=\"0.5\"/>\r\n</config>\r\n",
         false},
        {"skinned", ProgramCopy::Engine::Included, test_support::ShippedCommonXml(), true},
    };
    for (const Configuration& configuration : configurations) {
        SCOPED_TRACE(configuration.name);
        const ProgramCopy copy(configuration.engine, configuration.commonXml);
        ASSERT_TRUE(copy.IsComplete());
        ProgramProcess program(copy.ExePath(), "0,60,");
        ASSERT_TRUE(program.Started());
        const HWND window = test_support::WaitForCountdownWindow(program.Id());
        ASSERT_NE(window, nullptr);
        // Until the window's initialisation is over and the run counts.
        const base::UniqueKernelHandle process(
            ::OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, program.Id()));
        ASSERT_EQ(::WaitForInputIdle(process.Get(), 10000), 0u);

        const std::set<std::string> modules = LoadedModules(program.Id());
        ASSERT_EQ(modules.count("tolvrinshutdown.exe"), 1u) << "the module list was not read";
        const std::size_t skinned = configuration.skinned ? 1u : 0u;
        EXPECT_EQ(modules.count("tolvrinskin.dll"), skinned);
        EXPECT_EQ(modules.count("oleaut32.dll"), skinned);
        // common.xml is read without the DOM component and the URL and
        // network libraries it brings; the pull parser goes once it is read.
        for (const char* notLoaded : {"msxml3.dll", "msxml6.dll", "urlmon.dll", "wininet.dll", "xmllite.dll"}) {
            EXPECT_EQ(modules.count(notLoaded), 0u) << notLoaded;
        }
        // The screen readers' property service waits for the window to show.
        EXPECT_EQ(modules.count("oleacc.dll"), 0u);
        EXPECT_EQ(test_support::ExitCodeAfterCommand(program, window, IDCANCEL), 2u);
        // Wine needs a moment before the next copy takes the mutex.
        ::Sleep(300);
    }
}

}  // namespace
