// The real program in a folder of its own with a common.xml but no skin
// engine anywhere: it runs with the platform's look, as it always did.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>

#include <string>

#include "resource.h"
#include "version.h"
#include "base/skin_engine_contract.h"
#include "support/program_process.h"
#include "support/program_windows.h"
#include "support/skin_engine.h"
#include "support/skin_engine_client.h"
#include "support/temp_folder.h"
#include "support/window_finder.h"
#include "support/wine_only.h"
#include "base/com_ptr.h"

namespace {

using test_support::ProgramProcess;

constexpr DWORD kExitTimeoutMs = 30000;

class WithoutSkinEngineEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string bin = test_support::TestBinaryFolder();
        ASSERT_TRUE(::CopyFileA(test_support::ProgramPath().c_str(), program_.c_str(), FALSE));
        ASSERT_TRUE(::CopyFileA((bin + "\\TolvrinShutdown.lng").c_str(),
                                folder_.PathOf("TolvrinShutdown.lng").c_str(), FALSE));
        const std::string config = test_support::CommonXmlText("%ModulePath%\\skins\\light", "light.ini", "0.5");
        ASSERT_FALSE(folder_.Write("common.xml", config).empty());
        ASSERT_EQ(::GetFileAttributesA(folder_.PathOf("TolvrinSkin.dll").c_str()), INVALID_FILE_ATTRIBUTES);

        // Nor registered anywhere: this process, without a manifest, finds none.
        const test_support::ScopedComApartment com;
        base::ComPtr<SkinEngine> engine;
        ::CoCreateInstance(kSkinEngineClsid, nullptr, CLSCTX_INPROC_SERVER, kSkinEngineIid, engine.PutVoid());
        ASSERT_FALSE(engine) << "a skin engine is registered in this prefix";
    }

    void TearDown() override
    {
        // Wine needs a moment before the next copy takes the mutex and the
        // display again.
        ::Sleep(300);
    }

    test_support::TempFolder folder_;
    const std::string program_ = folder_.PathOf("TolvrinShutdown.exe");
};

TEST_F(WithoutSkinEngineEndToEnd, CommandLineRunCountsDownAndEndsWithOne)
{
    SKIP_UNLESS_UNDER_WINE();
    ProgramProcess program(program_, "0,3,");
    ASSERT_TRUE(program.Started());
    const HWND window = test_support::WaitForCountdownWindow(program.Id());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(test_support::ControlText(window), "Tolvrin Shutdown Manager " TOLVRIN_VERSION_TEXT);
    EXPECT_EQ(program.WaitForExit(kExitTimeoutMs), 1u);
}

TEST_F(WithoutSkinEngineEndToEnd, ParametersDialogStartsARunOrEndsWithZero)
{
    SKIP_UNLESS_UNDER_WINE();
    {
        ProgramProcess program(program_, "");
        const HWND dialog = test_support::WaitForParametersDialog(program.Id());
        ASSERT_NE(dialog, nullptr);
        test_support::PostClick(dialog, IDCANCEL);
        EXPECT_EQ(program.WaitForExit(kExitTimeoutMs), 0u);
    }
    ::Sleep(300);
    {
        ProgramProcess program(program_, "");
        const HWND dialog = test_support::WaitForParametersDialog(program.Id());
        ASSERT_NE(dialog, nullptr);
        const int choices[][2] = {{IDC_ACTION, 0}, {IDC_HOURS, 0}, {IDC_MINUTES, 0}, {IDC_SECONDS, 3}};
        for (const auto& [combo, index] : choices) {
            ::SendMessageA(::GetDlgItem(dialog, combo), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        }
        test_support::PostClick(dialog, IDOK);
        EXPECT_NE(test_support::WaitForCountdownWindow(program.Id()), nullptr);
        EXPECT_EQ(program.WaitForExit(kExitTimeoutMs), 1u);
    }
}

}  // namespace
