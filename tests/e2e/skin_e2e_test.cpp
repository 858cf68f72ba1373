// The real program with its skin engine beside it, and without.
#include <gtest/gtest.h>

#include <windows.h>

#include "skin_file.h"
#include "text/wide_text.h"
#include "support/program_copy.h"
#include "support/program_process.h"
#include "support/program_windows.h"
#include "support/silent_pipe.h"
#include "support/skin_engine.h"
#include "support/temp_folder.h"
#include "support/text_contrast.h"
#include "support/skin_engine_client.h"
#include "support/window_finder.h"
#include "support/wine_only.h"

namespace {

using test_support::ProgramCopy;
using test_support::IsShownAtBottomRight;
using test_support::ProgramProcess;
using test_support::ScreenPixel;

constexpr DWORD kExitTimeoutMs = 20000;

class SkinEndToEnd : public ::testing::Test {
protected:
    void TearDown() override
    {
        // Wine needs a moment before the next copy takes the mutex and the
        // display again.
        ::Sleep(300);
    }

    // Runs "0,3," from `copy`; the colour of the slid-in window's client area
    // near its top-left corner, and the exit code.
    void RunShortCountdown(const ProgramCopy& copy, COLORREF& background, DWORD& exitCode)
    {
        ProgramProcess program(copy.ExePath(), "0,3,");
        ASSERT_TRUE(program.Started());
        HWND window = test_support::WaitForCountdownWindow(program.Id());
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(test_support::WaitUntil([&] { return IsShownAtBottomRight(window); }, 5000));
        ::Sleep(100);  // past the slide's last step and its paint
        background = ScreenPixel(window, 3, 3);
        exitCode = program.WaitForExit(kExitTimeoutMs);
    }

    // A short run from `copy` in the system's look that ends as usual.
    void ExpectAnUnskinnedRunEndingWithOne(const ProgramCopy& copy)
    {
        ASSERT_TRUE(copy.IsComplete());
        COLORREF background = 0;
        DWORD exitCode = 0;
        RunShortCountdown(copy, background, exitCode);
        EXPECT_EQ(background, ::GetSysColor(COLOR_3DFACE));
        EXPECT_EQ(exitCode, 1u);
    }
};

TEST_F(SkinEndToEnd, WithoutTheEngineTheRunWorksUnskinned)
{
    SKIP_UNLESS_UNDER_WINE();
    ProgramCopy copy(ProgramCopy::Engine::Absent, test_support::CommonXmlForShippedSkin("dark"));
    ExpectAnUnskinnedRunEndingWithOne(copy);
}

// A hostile skin: whatever it names, the run counts down and ends as usual,
// in the system's look. The skin file, or its folder, names a pipe that the
// test serves: the program never opens it.
class PipeSkinEndToEnd : public SkinEndToEnd {
protected:
    void SetUp() override { ASSERT_TRUE(pipe_.IsListening()); }

    void ExpectAnOrdinaryRunThatNeverOpensThePipe(const std::string& rootpath, const std::string& uis)
    {
        ProgramCopy copy(ProgramCopy::Engine::Included, test_support::CommonXmlText(rootpath, uis, "0"));
        ExpectAnUnskinnedRunEndingWithOne(copy);
        EXPECT_FALSE(pipe_.SawClient());
    }

    const test_support::SilentPipe pipe_;
};

TEST_F(PipeSkinEndToEnd, SkinFileNamingAPipeIsNeverOpened)
{
    SKIP_UNLESS_UNDER_WINE();
    ExpectAnOrdinaryRunThatNeverOpensThePipe("%ModulePath%", pipe_.NarrowPath());
}

TEST_F(PipeSkinEndToEnd, SkinFolderNamingThePipesIsNeverOpened)
{
    SKIP_UNLESS_UNDER_WINE();
    const std::string path = pipe_.NarrowPath();
    const std::size_t separator = path.rfind('\\');
    ExpectAnOrdinaryRunThatNeverOpensThePipe(path.substr(0, separator), path.substr(separator + 1));
}

TEST_F(SkinEndToEnd, FiftyMegabyteSkinFileIsNoSkin)
{
    SKIP_UNLESS_UNDER_WINE();
    test_support::TempFolder skinFolder;
    std::string bytes = "[Skin]\r\nBackground=#FF0000\r\n";
    bytes.resize(50u * 1024 * 1024, ' ');
    ASSERT_FALSE(skinFolder.Write("huge.ini", bytes).empty());
    ProgramCopy copy(ProgramCopy::Engine::Included, test_support::CommonXmlText(skinFolder.Path(), "huge.ini", "0"));
    ExpectAnUnskinnedRunEndingWithOne(copy);
}

class SkinEndToEndEachSkin : public SkinEndToEnd, public ::testing::WithParamInterface<const char*> {};

TEST_P(SkinEndToEndEachSkin, ShortRunShowsTheSkinAndEndsWithOne)
{
    SKIP_UNLESS_UNDER_WINE();
    const std::string name = GetParam();
    ProgramCopy copy(ProgramCopy::Engine::Included, test_support::CommonXmlForShippedSkin(name));
    ASSERT_TRUE(copy.IsComplete());
    const auto design = skin::ReadSkinFile(ToWide(test_support::ShippedSkinFile(name)).c_str());
    ASSERT_TRUE(design.has_value());
    COLORREF background = 0;
    DWORD exitCode = 0;
    RunShortCountdown(copy, background, exitCode);
    EXPECT_EQ(background, design->background);
    EXPECT_EQ(exitCode, 1u);
}

INSTANTIATE_TEST_SUITE_P(Skins, SkinEndToEndEachSkin, ::testing::Values("light", "dark"));

}  // namespace
