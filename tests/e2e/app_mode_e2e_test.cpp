// The program as installed by default (the shipped common.xml, the auto
// skin) under Windows' dark app mode: every window it opens is dark and
// readable, and an open window turns light when the mode changes.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "resource.h"
#include "skin_file.h"
#include "support/app_mode_setting.h"
#include "support/program_copy.h"
#include "support/program_process.h"
#include "support/program_windows.h"
#include "support/skin_engine_client.h"
#include "support/text_contrast.h"
#include "support/window_finder.h"
#include "support/wine_only.h"
#include "text/wide_text.h"

namespace {

using test_support::ProgramCopy;
using test_support::IsShownAtBottomRight;
using test_support::ProgramProcess;
using test_support::ScreenPixel;

skin::SkinDesign ShippedLook(const char* name)
{
    return skin::ReadSkinFile(ToWide(test_support::ShippedSkinFile(name)).c_str()).value_or(skin::SkinDesign{});
}

bool Shows(HWND window, COLORREF background)
{
    return ScreenPixel(window, 3, 3) == background;
}

// Every enabled control that shows a text, measured from the screen. Texts of
// disabled controls are grey by design and need no contrast.
void ExpectEveryTextReadable(HWND dialog)
{
    int measured = 0;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const std::string kind = test_support::ClassName(child);
        const LONG style = ::GetWindowLongA(child, GWL_STYLE);
        const bool picture = kind == "Static" && ((style & SS_TYPEMASK) == SS_ICON ||
                                                  (style & SS_TYPEMASK) == SS_BITMAP ||
                                                  (style & SS_TYPEMASK) == SS_ETCHEDHORZ);
        if (!::IsWindowVisible(child) || !::IsWindowEnabled(child) || picture || kind == "Edit") {
            continue;
        }
        RECT area{};
        ::GetClientRect(child, &area);
        if (kind == "ComboBox") {
            // The item, without the arrow button, inside the focus rectangle.
            area.right -= area.bottom;
            ::InflateRect(&area, -4, -4);
        } else if (kind == "Button" && (style & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
            area.left += area.bottom + 8;  // the caption, without the box
        } else if (kind == "Button") {
            ::InflateRect(&area, -3, -3);  // inside the button's frame
        }
        const auto text = test_support::MeasureText(test_support::ScreenPixels(child, area));
        if (text.textPixels == 0) {
            continue;  // an empty field
        }
        ++measured;
        EXPECT_GE(text.contrast, 4.5) << kind << " " << ::GetDlgCtrlID(child) << " \""
                                      << test_support::ControlText(child) << "\" text " << std::hex << text.text
                                      << " on " << text.background << std::dec << " (" << text.textPixels << " pixels)";
    }
    EXPECT_GT(measured, 0);
}

class AppModeEndToEnd : public ::testing::Test {
protected:
    void TearDown() override { ::Sleep(300); }

    test_support::ScopedAppMode mode_;
    ProgramCopy copy_{ProgramCopy::Engine::Included, test_support::ShippedCommonXml()};
    const skin::SkinDesign light_ = ShippedLook("light");
    const skin::SkinDesign dark_ = ShippedLook("dark");
};

TEST_F(AppModeEndToEnd, ParametersDialogIsDarkThenTurnsLightWhenTheModeChanges)
{
    SKIP_UNLESS_UNDER_WINE();
    ASSERT_TRUE(copy_.IsComplete());
    mode_.Set(false);
    ProgramProcess program(copy_.ExePath(), "");
    HWND dialog = test_support::WaitForParametersDialog(program.Id());
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(test_support::WaitUntil([&] { return Shows(dialog, dark_.background); }, 5000));

    // The controls paint after the dialog's background.
    HWND list = ::GetDlgItem(dialog, IDC_ACTION);
    EXPECT_TRUE(test_support::WaitUntil([&] { return ScreenPixel(list, 0, 0) == dark_.border; }, 2000))
        << "the list's frame";
    RECT listArea{};
    ::GetClientRect(list, &listArea);
    EXPECT_EQ(ScreenPixel(list, listArea.right - 3, 2), dark_.buttonFace) << "the list's button";
    HWND check = ::GetDlgItem(dialog, IDC_USE_PASSWORD);
    RECT checkArea{};
    ::GetClientRect(check, &checkArea);
    EXPECT_TRUE(test_support::WaitUntil([&] { return ScreenPixel(check, 2, checkArea.bottom / 2) == dark_.field; },
                                        2000))
        << "the check box";
    ExpectEveryTextReadable(dialog);

    mode_.Set(true);
    test_support::BroadcastColourSetChange();
    EXPECT_TRUE(test_support::WaitUntil([&] { return Shows(dialog, light_.background); }, 1000));
    EXPECT_TRUE(test_support::WaitUntil([&] { return ScreenPixel(list, 0, 0) == light_.border; }, 1000));
    ExpectEveryTextReadable(dialog);

    test_support::PostCommand(dialog, IDCANCEL);
    EXPECT_EQ(program.WaitForExit(10000), 0u);
}

TEST_F(AppModeEndToEnd, CountdownAndPasswordPromptAreDark)
{
    SKIP_UNLESS_UNDER_WINE();
    ASSERT_TRUE(copy_.IsComplete());
    mode_.Set(false);
    // Ten seconds: the window slides in at once for the last seconds.
    ProgramProcess program(copy_.ExePath(), "0,10,secret");
    HWND window = test_support::WaitForCountdownWindow(program.Id());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(test_support::WaitUntil([&] { return IsShownAtBottomRight(window); }, 5000));
    ASSERT_TRUE(test_support::WaitUntil([&] { return Shows(window, dark_.background); }, 2000));
    ExpectEveryTextReadable(window);

    test_support::PostCommand(window, IDCANCEL);
    HWND prompt = test_support::WaitForPasswordPrompt(program.Id());
    ASSERT_NE(prompt, nullptr);
    EXPECT_TRUE(test_support::WaitUntil([&] { return Shows(prompt, dark_.background); }, 2000));
    // The box paints after the prompt's background.
    HWND box = ::GetDlgItem(prompt, IDC_PASSWORD);
    EXPECT_TRUE(test_support::WaitUntil([&] { return ScreenPixel(box, 3, 3) == dark_.field; }, 2000))
        << "the password box";
    ExpectEveryTextReadable(prompt);

    EXPECT_EQ(test_support::ExitCodeAfterPassword(program, prompt, "secret"), 2u);
}

}  // namespace
