// A copy of the program in a folder where DLLs named like system libraries
// were planted, as a web page may drop them into a downloads folder. Wine is
// told to prefer such native copies over its own, so that it searches the
// way Windows does; a planted DLL that is loaded leaves a marker file beside
// itself (tests/programs/planted_library.c).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "resource.h"
#include "support/program_copy.h"
#include "support/program_process.h"
#include "support/program_windows.h"
#include "support/window_finder.h"
#include "support/wine_only.h"

namespace {

using test_support::ProgramCopy;
using test_support::ProgramProcess;

constexpr DWORD kExitTimeoutMs = 30000;

// The libraries a run loads that Windows does not protect as known DLLs:
// the ones the program loads itself (the XML pull parser among them), those
// the DOM component once brought in, and comctl32, which only the manifest
// protects; and oleaut32, a known DLL, but one the executable loads itself
// at its first call. Two more are left out
// because under Wine they are loaded by name before the program's first
// line, by Wine's own libraries: version.dll (imported by Wine's user32, not
// by Windows') and uxtheme.dll (loaded by Wine's comctl32 as it starts). The
// executable's import table, checked on its own, holds neither.
const char* const kPlantedNames[] = {
    "winmm.dll", "msacm32.dll", "shfolder.dll", "comctl32.dll", "msxml3.dll",
    "msxml.dll", "urlmon.dll",  "wininet.dll",  "mpr.dll",     "oleaut32.dll", "xmllite.dll",
};

std::string PlantingFolder()
{
    return test_support::TestBinaryFolder() + "\\..\\planting";
}

// Wine's own setting for "prefer a native copy" of each planted name, for
// the two programs the tests start (by executable name, in the prefix's
// registry): Wine takes WINEDLLOVERRIDES only from the Unix environment it
// was started with, which a test process cannot change for its children.
class PreferNativeLibraries {
public:
    PreferNativeLibraries()
    {
        for (const char* exe : kExecutables) {
            HKEY key = nullptr;
            if (::RegCreateKeyExA(HKEY_CURRENT_USER, KeyOf(exe).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                                  nullptr) != ERROR_SUCCESS) {
                continue;
            }
            for (const char* name : kPlantedNames) {
                const std::string file(name);
                static const char kNativeFirst[] = "native,builtin";
                ::RegSetValueExA(key, file.substr(0, file.size() - 4).c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(kNativeFirst), sizeof kNativeFirst);
            }
            ::RegCloseKey(key);
        }
    }
    ~PreferNativeLibraries()
    {
        for (const char* exe : kExecutables) {
            ::RegDeleteKeyA(HKEY_CURRENT_USER, KeyOf(exe).c_str());
            // The program's own key too, unless something else lies in it.
            ::RegDeleteKeyA(HKEY_CURRENT_USER, (std::string("Software\\Wine\\AppDefaults\\") + exe).c_str());
        }
    }
    PreferNativeLibraries(const PreferNativeLibraries&) = delete;
    PreferNativeLibraries& operator=(const PreferNativeLibraries&) = delete;

private:
    static constexpr const char* kExecutables[] = {"TolvrinShutdown.exe", "planting_probe.exe"};

    static std::string KeyOf(const char* exe)
    {
        return std::string("Software\\Wine\\AppDefaults\\") + exe + "\\DllOverrides";
    }
};

class DllPlantingEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(copy_.IsComplete());
        const std::string exe = copy_.ExePath();
        folder_ = exe.substr(0, exe.find_last_of('\\'));
        const std::string planted = PlantingFolder() + "\\planted_library.dll";
        for (const char* name : kPlantedNames) {
            ASSERT_TRUE(::CopyFileA(planted.c_str(), PathOf(name).c_str(), FALSE)) << name;
        }
    }

    void TearDown() override
    {
        // Wine needs a moment before the next copy takes the mutex and the
        // display again.
        ::Sleep(300);
    }

    std::string PathOf(const std::string& name) const { return folder_ + "\\" + name; }

    // The planted DLLs that some process has loaded.
    std::vector<std::string> LoadedPlants() const
    {
        std::vector<std::string> loaded;
        for (const char* name : kPlantedNames) {
            if (::GetFileAttributesA(PathOf(std::string(name) + ".loaded").c_str()) != INVALID_FILE_ATTRIBUTES) {
                loaded.push_back(name);
            }
        }
        return loaded;
    }

    ProgramCopy copy_{ProgramCopy::Engine::Included, test_support::ShippedCommonXml()};
    std::string folder_;
    PreferNativeLibraries overrides_;
};

// The test's own proof that its set-up plants where Windows would look: a
// program that loads a DLL by its bare name gets the planted one.
TEST_F(DllPlantingEndToEnd, ProgramTrustingTheSearchOrderLoadsThePlantedDll)
{
    const std::string probe = PathOf("planting_probe.exe");
    ASSERT_TRUE(::CopyFileA((PlantingFolder() + "\\planting_probe.exe").c_str(), probe.c_str(), FALSE));
    ProgramProcess process(probe, "winmm.dll");
    ASSERT_TRUE(process.Started());
    EXPECT_EQ(process.WaitForExit(kExitTimeoutMs), 0u);
    EXPECT_EQ(LoadedPlants(), std::vector<std::string>{"winmm.dll"});
}

TEST_F(DllPlantingEndToEnd, RunFromTheCommandLineLoadsNoPlantedDll)
{
    SKIP_UNLESS_UNDER_WINE();
    // Counted down, shown in its last seconds with the skin, carried out.
    ProgramProcess program(copy_.ExePath(), "0,3,");
    ASSERT_TRUE(program.Started());
    EXPECT_NE(test_support::WaitForCountdownWindow(program.Id()), nullptr);
    EXPECT_EQ(program.WaitForExit(kExitTimeoutMs), 1u);
    EXPECT_EQ(LoadedPlants(), std::vector<std::string>{});
}

TEST_F(DllPlantingEndToEnd, RunFromTheParametersDialogLoadsNoPlantedDll)
{
    SKIP_UNLESS_UNDER_WINE();
    ProgramProcess program(copy_.ExePath(), "");
    ASSERT_TRUE(program.Started());
    const HWND dialog = test_support::WaitForParametersDialog(program.Id());
    ASSERT_NE(dialog, nullptr);
    ::SendMessageA(::GetDlgItem(dialog, IDC_ACTION), CB_SETCURSEL, 0, 0);  // stand by
    ::SendMessageA(::GetDlgItem(dialog, IDC_HOURS), CB_SETCURSEL, 0, 0);
    ::SendMessageA(::GetDlgItem(dialog, IDC_MINUTES), CB_SETCURSEL, 0, 0);
    ::SendMessageA(::GetDlgItem(dialog, IDC_SECONDS), CB_SETCURSEL, 2, 0);
    test_support::PostClick(dialog, IDOK);
    EXPECT_EQ(program.WaitForExit(kExitTimeoutMs), 1u);
    EXPECT_EQ(LoadedPlants(), std::vector<std::string>{});
}

}  // namespace
