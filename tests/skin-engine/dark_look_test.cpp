// The engine's dark look as a person sees it: the skin that follows Windows'
// app mode, live, and the controls the system would paint light on a dark
// skin (drop-down lists, check boxes), read back from the pixels.
#include "resource.h"
#include "support/app_mode_setting.h"
#include "support/skin_engine.h"
#include "support/skin_engine_client.h"
#include "support/text_contrast.h"
#include "ui/dialog.h"
#include "ui/placement.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

#include "skin_file.h"
#include "skin_resources.h"
#include "text/wide_text.h"

namespace {

using test_support::ClientPixel;

class PlainDialog : public ui::Dialog {
protected:
    bool ProcessMessage(UINT, WPARAM, LPARAM, LRESULT&) override { return false; }
};

std::string Hex(COLORREF colour)
{
    char text[16];
    wsprintfA(text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

// The shipped skin's look: its [Skin] section, or its [Dark] one.
skin::Palette ShippedPalette(const std::string& name, bool dark = false)
{
    const std::wstring path = ToWide(test_support::ShippedSkinFile(name));
    const auto looks = skin::ReadSkinLooks(path.c_str());
    if (!looks) {
        return skin::MakePalette(skin::SkinDesign{}, 0.0f);
    }
    return skin::MakePalette(dark && looks->dark ? *looks->dark : looks->light, 0.0f);
}

class DarkLookTest : public ::testing::Test {
protected:
    void Open(int templateId, const std::string& skinName)
    {
        ASSERT_NE(dialog_.CreateModeless(templateId, nullptr), nullptr);
        ::SetWindowPos(dialog_.Handle(), HWND_TOPMOST, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        engine_ = test_support::CreateSkinEngine();
        ASSERT_TRUE(engine_);
        ASSERT_EQ(engine_->AttachWindow(dialog_.Handle()), S_OK);
        ASSERT_EQ(test_support::LoadShippedSkin(*engine_.Get(), skinName), S_OK);
    }

    std::string Background() { return Hex(ClientPixel(dialog_.Handle(), 3, 3)); }

    // A drop-down list with one chosen item, as the parameters dialog fills them.
    HWND FilledList(int id, const wchar_t* item)
    {
        HWND list = dialog_.Item(id);
        ::SendMessageW(list, CB_RESETCONTENT, 0, 0);
        ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        ::SendMessageW(list, CB_SETCURSEL, 0, 0);
        return list;
    }

    test_support::ScopedAppMode mode_;
    test_support::ScopedComApartment com_;
    PlainDialog dialog_;
    base::ComPtr<SkinEngine> engine_;
};

TEST_F(DarkLookTest, AutoSkinFollowsTheAppModeWhileTheWindowIsOpen)
{
    mode_.Set(false);
    Open(IDD_PARAMETERS, "auto");
    EXPECT_EQ(Background(), Hex(ShippedPalette("auto", true).background));
    EXPECT_EQ(Background(), Hex(ShippedPalette("dark").background)) << "the dark skin's colours";

    mode_.Set(true);
    test_support::BroadcastColourSetChange();
    EXPECT_EQ(Background(), Hex(ShippedPalette("light").background));

    mode_.Remove();
    mode_.Set(false);
    test_support::BroadcastColourSetChange();
    EXPECT_EQ(Background(), Hex(ShippedPalette("dark").background));
}

class DarkLookEachSkinTest : public DarkLookTest, public ::testing::WithParamInterface<const char*> {
protected:
    std::string Name() const { return GetParam(); }
};

TEST_P(DarkLookEachSkinTest, SkinWithOneLookKeepsItInEitherMode)
{
    const bool light = Name() == "light";
    mode_.Set(light ? false : true);
    Open(IDD_COUNTDOWN, Name());
    EXPECT_EQ(Background(), Hex(ShippedPalette(Name()).background));
    mode_.Set(light ? true : false);
    test_support::BroadcastColourSetChange();
    EXPECT_EQ(Background(), Hex(ShippedPalette(Name()).background));
}

TEST_P(DarkLookEachSkinTest, DropDownListsTakeTheSkinsFrameArrowAndField)
{
    Open(IDD_PARAMETERS, Name());
    const skin::Palette palette = ShippedPalette(Name());
    for (int id : {IDC_ACTION, IDC_HOURS}) {
        SCOPED_TRACE(id);
        HWND list = FilledList(id, id == IDC_ACTION ? L"Shut down" : L"12");
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(::GetComboBoxInfo(list, &info));
        const RECT& button = info.rcButton;
        const int centreX = (button.left + button.right) / 2;
        const int centreY = (button.top + button.bottom) / 2;
        EXPECT_EQ(Hex(ClientPixel(list, 0, 0)), Hex(palette.border)) << "frame";
        EXPECT_EQ(Hex(ClientPixel(list, button.left + 1, button.top + 1)), Hex(palette.buttonFace)) << "button";
        EXPECT_EQ(Hex(ClientPixel(list, centreX, centreY)), Hex(palette.buttonText)) << "arrow";

        const auto text = test_support::MeasureText(test_support::ScreenPixels(list, info.rcItem));
        EXPECT_EQ(Hex(text.background), Hex(palette.field));
        EXPECT_EQ(Hex(text.text), Hex(palette.fieldText));
        EXPECT_GE(text.contrast, 4.5);
    }
}

TEST_P(DarkLookEachSkinTest, CheckBoxTakesTheSkinsBoxMarkAndText)
{
    Open(IDD_PARAMETERS, Name());
    const skin::Palette palette = ShippedPalette(Name());
    HWND check = dialog_.Item(IDC_USE_PASSWORD);
    RECT client{};
    ::GetClientRect(check, &client);
    const int middle = client.bottom / 2;
    EXPECT_EQ(Hex(ClientPixel(check, 0, middle)), Hex(palette.border)) << "the box's edge";
    EXPECT_EQ(Hex(ClientPixel(check, 2, middle)), Hex(palette.field)) << "inside the box";

    const RECT caption{client.bottom + 8, 0, client.right, client.bottom};
    const auto text = test_support::MeasureText(test_support::ScreenPixels(check, caption));
    EXPECT_EQ(Hex(text.background), Hex(palette.background));
    EXPECT_EQ(Hex(text.text), Hex(palette.text));
    EXPECT_GE(text.contrast, 4.5);

    ::SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
    ClientPixel(check, 0, 0);  // painted
    const auto box = test_support::ScreenPixels(check, RECT{1, middle - 5, 12, middle + 6});
    EXPECT_GT(std::count(box.begin(), box.end(), palette.fieldText), 5) << "the mark";
}

TEST_P(DarkLookEachSkinTest, EtchedLinesTakeTheSkinsBorder)
{
    Open(IDD_PARAMETERS, Name());
    int lines = 0;
    for (HWND child = ::GetWindow(dialog_.Handle(), GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if ((::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ETCHEDHORZ) {
            ++lines;
            // The line lies in the control's frame: read from the dialog.
            ClientPixel(dialog_.Handle(), 0, 0);
            RECT frame = ui::WindowRect(child);
            ::MapWindowPoints(nullptr, dialog_.Handle(), reinterpret_cast<POINT*>(&frame), 2);
            const auto pixel = test_support::ScreenPixels(
                dialog_.Handle(), RECT{frame.left + 5, frame.top, frame.left + 6, frame.top + 1});
            ASSERT_EQ(pixel.size(), 1u);
            EXPECT_EQ(Hex(pixel[0]), Hex(ShippedPalette(Name()).border));
        }
    }
    EXPECT_EQ(lines, 2);
}

INSTANTIATE_TEST_SUITE_P(Skins, DarkLookEachSkinTest, ::testing::Values("light", "dark"));

// The engine's test build, whose High Contrast seam the test switches.
class DarkLookHighContrastTest : public DarkLookTest {
protected:
    void TearDown() override { test_support::ForceHighContrast(-1); }
    test_support::ScopedSkinEngine testingEngine_{test_support::TestingSkinEnginePath()};
};

TEST_F(DarkLookHighContrastTest, HighContrastWinsOverTheDarkMode)
{
    mode_.Set(false);
    PlainDialog plain;
    ASSERT_NE(plain.CreateModeless(IDD_PARAMETERS, nullptr), nullptr);
    ::SetWindowPos(plain.Handle(), nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    const std::string platform = Hex(ClientPixel(plain.Handle(), 3, 3));
    plain.Destroy();

    Open(IDD_PARAMETERS, "auto");
    ASSERT_EQ(Background(), Hex(ShippedPalette("dark").background));
    ASSERT_TRUE(test_support::ForceHighContrast(1));
    ::SendMessageW(dialog_.Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    EXPECT_EQ(Background(), platform);
    test_support::BroadcastColourSetChange();
    EXPECT_EQ(Background(), platform) << "the app mode does not undo High Contrast";
    ASSERT_TRUE(test_support::ForceHighContrast(0));
    ::SendMessageW(dialog_.Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    EXPECT_EQ(Background(), Hex(ShippedPalette("dark").background));
}

}  // namespace
