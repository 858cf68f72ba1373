// The opening that the program's three windows share, on the password
// prompt's template with a procedure that does nothing itself.
#include "dialogs/window_opening.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "lang/language_table.h"
#include "resource.h"
#include "support/temp_folder.h"
#include "support/template_dialog.h"
#include "ui/placement.h"

namespace {

class WindowOpeningTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousLanguageFile_ = TheLanguageTable().FilePath();
        const std::string path =
            folder_.Write("test.lng", "[String]\r\n_EnterPsw=Password\r\n_EnterPswInfo=Type it to cancel.\r\n");
        ASSERT_FALSE(path.empty());
        TheLanguageTable().SetFile(path);
        ASSERT_NE(dialog_.Get(), nullptr);
    }

    void TearDown() override { TheLanguageTable().SetFile(previousLanguageFile_); }

    HICON IconOf(WPARAM kind) const
    {
        return reinterpret_cast<HICON>(::SendMessageA(dialog_.Get(), WM_GETICON, kind, 0));
    }

    test_support::TempFolder folder_;
    std::wstring previousLanguageFile_;
    test_support::TemplateDialog dialog_{IDD_PASSWORD};
};

TEST_F(WindowOpeningTest, WithoutSkinTheWindowIsCentredTranslatedAndGivenBothIcons)
{
    WindowOpening opening;
    opening.Open(dialog_.Get(), ::GetDesktopWindow(), nullptr);

    EXPECT_FALSE(opening.Skin().HoldsEngine());
    EXPECT_EQ(ui::Window(dialog_.Get()).Text(), "Password");
    EXPECT_EQ(ui::Window(::GetDlgItem(dialog_.Get(), IDOK)).Text(), "OK") << "a text that is no key stays";

    RECT screen{};
    ::GetWindowRect(::GetDesktopWindow(), &screen);
    const RECT placed = ui::WindowRect(dialog_.Get());
    const POINT expected = ui::CenteredOrigin(screen, ui::WorkArea(),
                                              SIZE{placed.right - placed.left, placed.bottom - placed.top});
    EXPECT_EQ(placed.left, expected.x);
    EXPECT_EQ(placed.top, expected.y);

    ASSERT_NE(opening.Icons().Big(), nullptr);
    ASSERT_NE(opening.Icons().Small(), nullptr);
    EXPECT_EQ(IconOf(ICON_BIG), opening.Icons().Big());
    EXPECT_EQ(IconOf(ICON_SMALL), opening.Icons().Small());
}

}  // namespace
