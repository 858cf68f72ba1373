#include "controls/text_label.h"
#include "resource.h"
#include "support/resource_counts.h"
#include "support/skin_engine_client.h"
#include "support/temp_folder.h"
#include "ui/dialog.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "gamma.h"
#include "skin_file.h"
#include "skin_resources.h"

namespace {

using test_support::ClientPixel;

// A dialog from one of the program's templates that records the commands it
// gets, as the program's own dialogs would act on them.
class RecordingDialog : public ui::Dialog {
public:
    ~RecordingDialog() override = default;
    std::vector<int> commands;

protected:
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override
    {
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
            commands.push_back(LOWORD(wParam));
            result = 0;
            return true;
        }
        return false;
    }
};

std::string Hex(COLORREF colour)
{
    char text[16];
    wsprintfA(text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

skin::Palette ShippedPalette(const std::string& name, float gamma = 0.0f)
{
    const auto design = skin::ReadSkinFile(test_support::ShippedSkinFile(name));
    return skin::MakePalette(design.value_or(skin::SkinDesign{}), gamma);
}

class SkinnedDialogTest : public ::testing::Test {
protected:
    void Open(int templateId)
    {
        ASSERT_NE(dialog_.CreateModeless(templateId, nullptr), nullptr);
        ::SetWindowPos(dialog_.Handle(), nullptr, 200, 150, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        engine_ = test_support::CreateSkinEngine();
        ASSERT_TRUE(engine_) << "the engine DLL was not found beside the tests";
        platformBackground_ = Background();
        platformButtonFace_ = ButtonFace(IDCANCEL);
        ASSERT_EQ(engine_->AttachWindow(dialog_.Handle()), S_OK);
    }

    void TearDown() override { test_support::ForceHighContrast(-1); }

    COLORREF Background() { return ClientPixel(dialog_.Handle(), 3, 3); }
    COLORREF ButtonFace(int id) { return ClientPixel(dialog_.Item(id), 6, 6); }

    // What the dialog manager does with a key pressed in the dialog.
    bool PressKey(UINT message, WPARAM key)
    {
        MSG msg{};
        // A control of the dialog: a key sent to the dialog itself that finds
        // no mnemonic would open the system menu's modal loop.
        HWND focus = ::GetFocus();
        msg.hwnd = focus != nullptr && ::IsChild(dialog_.Handle(), focus) ? focus : dialog_.Item(IDC_HOURS);
        msg.message = message;
        msg.wParam = key;
        msg.lParam = message == WM_SYSCHAR ? (1 << 29) : 0;  // Alt held
        return ::IsDialogMessageA(dialog_.Handle(), &msg) != FALSE;
    }

    void ExpectPlatformLook()
    {
        EXPECT_EQ(Hex(Background()), Hex(platformBackground_));
        EXPECT_EQ(Hex(ButtonFace(IDCANCEL)), Hex(platformButtonFace_));
    }

    void ExpectSkin(const skin::Palette& palette)
    {
        EXPECT_EQ(Hex(Background()), Hex(palette.background));
        EXPECT_EQ(Hex(ButtonFace(IDCANCEL)), Hex(palette.buttonFace));
    }

    test_support::ScopedComApartment com_;
    RecordingDialog dialog_;
    ui::ComPtr<SkinEngine> engine_;
    // The dialog's pixels before the engine came.
    COLORREF platformBackground_ = 0;
    COLORREF platformButtonFace_ = 0;
};

TEST_F(SkinnedDialogTest, EachShippedSkinPaintsItsBackgroundAndButtons)
{
    Open(IDD_PARAMETERS);
    for (const char* name : {"light", "dark"}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(test_support::LoadShippedSkin(*engine_.Get(), name), S_OK);
        const skin::Palette palette = ShippedPalette(name);
        EXPECT_EQ(Hex(Background()), Hex(palette.background));
        EXPECT_EQ(Hex(ButtonFace(IDCANCEL)), Hex(palette.buttonFace));
    }
}

TEST_F(SkinnedDialogTest, ButtonsStillClick)
{
    Open(IDD_PARAMETERS);
    ASSERT_EQ(test_support::LoadShippedSkin(*engine_.Get(), "dark"), S_OK);
    ::SendMessageA(dialog_.Item(IDOK), BM_CLICK, 0, 0);
    ::SendMessageA(dialog_.Item(IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog_.commands, (std::vector<int>{IDOK, IDCANCEL}));
}

TEST_F(SkinnedDialogTest, KeyboardStillWorks)
{
    Open(IDD_PARAMETERS);
    ASSERT_EQ(test_support::LoadShippedSkin(*engine_.Get(), "dark"), S_OK);
    HWND cancel = dialog_.Item(IDCANCEL);
    ::SetFocus(dialog_.Item(IDOK));

    ASSERT_TRUE(PressKey(WM_KEYDOWN, VK_TAB));
    EXPECT_EQ(::GetFocus(), cancel) << "Tab moves the focus to the next control";
    ASSERT_TRUE(PressKey(WM_KEYDOWN, VK_ESCAPE));
    ::SendMessageA(cancel, WM_KEYDOWN, VK_SPACE, 0);
    ::SendMessageA(cancel, WM_KEYUP, VK_SPACE, 0);
    ::SetFocus(dialog_.Item(IDC_HOURS));
    ASSERT_TRUE(PressKey(WM_KEYDOWN, VK_RETURN));
    ::SetWindowTextA(dialog_.Item(IDOK), "&Start");
    ASSERT_TRUE(PressKey(WM_SYSCHAR, 's'));

    // Esc cancels, Space clicks the focused button, Enter the default button,
    // Alt+S the button whose mnemonic it is.
    EXPECT_EQ(dialog_.commands, (std::vector<int>{IDCANCEL, IDCANCEL, IDOK, IDOK}));
    EXPECT_EQ(LOWORD(::SendMessageA(dialog_.Handle(), DM_GETDEFID, 0, 0)), IDOK);
}

TEST_F(SkinnedDialogTest, PushButtonsShowTheirState)
{
    Open(IDD_PARAMETERS);
    ASSERT_EQ(test_support::LoadShippedSkin(*engine_.Get(), "dark"), S_OK);
    const skin::Palette palette = ShippedPalette("dark");
    HWND ok = dialog_.Item(IDOK);
    HWND cancel = dialog_.Item(IDCANCEL);
    EXPECT_EQ(Hex(ClientPixel(ok, 0, 0)), Hex(palette.accent)) << "the default button's outline";
    EXPECT_EQ(Hex(ClientPixel(cancel, 0, 0)), Hex(palette.border));

    ::SendMessageA(cancel, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(Hex(ButtonFace(IDCANCEL)), Hex(palette.pressed));
    ::SendMessageA(cancel, BM_SETSTATE, FALSE, 0);
    EXPECT_EQ(Hex(ButtonFace(IDCANCEL)), Hex(palette.buttonFace));

    // Focus rectangles show once the keyboard is in use.
    ::SendMessageA(dialog_.Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    ::SetFocus(cancel);
    RECT rect{};
    ::GetClientRect(cancel, &rect);
    bool focusDrawn = false;
    for (int y = 3; y < rect.bottom - 3 && !focusDrawn; ++y) {
        focusDrawn = ClientPixel(cancel, 3, y) != palette.buttonFace;
    }
    EXPECT_TRUE(focusDrawn);

    ::EnableWindow(cancel, FALSE);
    EXPECT_EQ(Hex(ButtonFace(IDCANCEL)), Hex(palette.buttonFace));
    EXPECT_EQ(Hex(ClientPixel(cancel, 0, 0)), Hex(palette.border));
}

TEST_F(SkinnedDialogTest, ReleaseGivesThePlatformLookBack)
{
    Open(IDD_PARAMETERS);
    const COLORREF platformDefaultButton = ClientPixel(dialog_.Item(IDOK), 1, 1);
    ASSERT_EQ(test_support::LoadShippedSkin(*engine_.Get(), "dark"), S_OK);
    ASSERT_NE(Hex(Background()), Hex(platformBackground_));
    engine_.Reset();
    ExpectPlatformLook();
    EXPECT_EQ(Hex(ClientPixel(dialog_.Item(IDOK), 1, 1)), Hex(platformDefaultButton));
}

TEST_F(SkinnedDialogTest, SkinFileThatCannotBeReadLeavesThePlatformLook)
{
    Open(IDD_PARAMETERS);
    ASSERT_EQ(test_support::LoadShippedSkin(*engine_.Get(), "dark"), S_OK);
    EXPECT_EQ(test_support::LoadSkin(*engine_.Get(), test_support::ShippedSkinFolder("dark"), "absent.ini"),
              S_FALSE);
    ExpectPlatformLook();
}

TEST_F(SkinnedDialogTest, AnotherSkinOrAnotherAttachRepaints)
{
    Open(IDD_PARAMETERS);
    ASSERT_EQ(test_support::LoadShippedSkin(*engine_.Get(), "dark"), S_OK);
    ExpectSkin(ShippedPalette("dark"));
    ASSERT_EQ(test_support::LoadShippedSkin(*engine_.Get(), "light"), S_OK);
    ExpectSkin(ShippedPalette("light"));
    ASSERT_EQ(engine_->AttachWindow(dialog_.Handle()), S_OK);
    ExpectSkin(ShippedPalette("light"));
}

TEST_F(SkinnedDialogTest, GammaBeforeOrAfterTheSkinMovesColoursItsWay)
{
    Open(IDD_PARAMETERS);
    ASSERT_EQ(test_support::ApplyGamma(*engine_.Get(), 0.5f), S_OK);
    ASSERT_EQ(test_support::LoadShippedSkin(*engine_.Get(), "dark"), S_OK);
    const COLORREF plain = ShippedPalette("dark").background;
    const COLORREF lighter = Background();
    EXPECT_EQ(Hex(lighter), Hex(ShippedPalette("dark", 0.5f).background));
    EXPECT_GT(GetRValue(lighter) + GetGValue(lighter) + GetBValue(lighter),
              GetRValue(plain) + GetGValue(plain) + GetBValue(plain));

    ASSERT_EQ(test_support::ApplyGamma(*engine_.Get(), -0.5f), S_OK);
    const COLORREF darker = Background();
    EXPECT_EQ(Hex(darker), Hex(ShippedPalette("dark", -0.5f).background));
    EXPECT_LT(GetRValue(darker) + GetGValue(darker) + GetBValue(darker),
              GetRValue(plain) + GetGValue(plain) + GetBValue(plain));
}

TEST_F(SkinnedDialogTest, HighContrastShowsThePlatformLookUntilItIsOff)
{
    Open(IDD_PARAMETERS);
    ASSERT_TRUE(test_support::ForceHighContrast(1));
    ASSERT_EQ(test_support::LoadShippedSkin(*engine_.Get(), "dark"), S_OK);
    ExpectPlatformLook();

    ASSERT_TRUE(test_support::ForceHighContrast(0));
    ::SendMessageA(dialog_.Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    ExpectSkin(ShippedPalette("dark"));

    ASSERT_TRUE(test_support::ForceHighContrast(1));
    ::SendMessageA(dialog_.Handle(), WM_SYSCOLORCHANGE, 0, 0);
    ExpectPlatformLook();
}

TEST_F(SkinnedDialogTest, CountdownWindowGetsTheSkinsBorder)
{
    Open(IDD_COUNTDOWN);
    ASSERT_EQ(test_support::LoadShippedSkin(*engine_.Get(), "dark"), S_OK);
    ExpectSkin(ShippedPalette("dark"));
    HDC dc = ::GetWindowDC(dialog_.Handle());
    const COLORREF corner = ::GetPixel(dc, 0, 0);
    ::ReleaseDC(dialog_.Handle(), dc);
    EXPECT_EQ(Hex(corner), Hex(ShippedPalette("dark").border));
}

TEST_F(SkinnedDialogTest, TextLabelPaintsOnTheSkinsBackground)
{
    Open(IDD_COUNTDOWN);
    ASSERT_EQ(test_support::LoadShippedSkin(*engine_.Get(), "dark"), S_OK);
    TextLabel label;
    ASSERT_TRUE(label.Attach(dialog_.Item(IDC_INFO)));
    label.textColor = RGB(255, 255, 0);
    ::SetWindowTextA(dialog_.Item(IDC_INFO), "WWWWWWWWWWWW");
    RECT area{};
    ::GetClientRect(dialog_.Item(IDC_INFO), &area);
    // Below the one line of text lies the parent's background; within it the
    // label's colour shows.
    EXPECT_EQ(Hex(ClientPixel(dialog_.Item(IDC_INFO), 2, area.bottom - 2)), Hex(ShippedPalette("dark").background));
    bool textPainted = false;
    for (int x = 0; x < 40 && !textPainted; ++x) {
        for (int y = 0; y < 12 && !textPainted; ++y) {
            textPainted = ClientPixel(dialog_.Item(IDC_INFO), x, y) == RGB(255, 255, 0);
        }
    }
    EXPECT_TRUE(textPainted);
}

TEST_F(SkinnedDialogTest, SkinFontGoesToTheControlsAndComesBack)
{
    Open(IDD_PARAMETERS);
    HWND ok = dialog_.Item(IDOK);
    const auto ownFont = reinterpret_cast<HFONT>(::SendMessageA(ok, WM_GETFONT, 0, 0));
    test_support::TempFolder folder;
    folder.Write("big.ini", "[Skin]\r\nFont=Courier New\r\nFontSize=12\r\n");
    ASSERT_EQ(test_support::LoadSkin(*engine_.Get(), folder.Path(), "big.ini"), S_OK);

    const auto skinFont = reinterpret_cast<HFONT>(::SendMessageA(ok, WM_GETFONT, 0, 0));
    ASSERT_NE(skinFont, ownFont);
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageA(dialog_.Handle(), WM_GETFONT, 0, 0)), skinFont);
    LOGFONTA logFont{};
    ASSERT_EQ(::GetObjectA(skinFont, sizeof logFont, &logFont), static_cast<int>(sizeof logFont));
    EXPECT_STREQ(logFont.lfFaceName, "Courier New");
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(logFont.lfHeight, -::MulDiv(12, ::GetDeviceCaps(screen, LOGPIXELSY), 72));  // system DPI
    ::ReleaseDC(nullptr, screen);

    engine_.Reset();
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageA(ok, WM_GETFONT, 0, 0)), ownFont);
}

// A 2x2 24-bit picture in one colour, as a .bmp file.
std::string SolidBitmapFile(COLORREF colour)
{
    const int stride = 8;  // 2 pixels of 3 bytes, rows padded to 4 bytes
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = 2;
    info.biHeight = 2;
    info.biPlanes = 1;
    info.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + 2 * stride;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    for (int row = 0; row < 2; ++row) {
        const char pixel[3] = {static_cast<char>(GetBValue(colour)), static_cast<char>(GetGValue(colour)),
                               static_cast<char>(GetRValue(colour))};
        bytes.append(pixel, 3);
        bytes.append(pixel, 3);
        bytes.append(2, '\0');
    }
    return bytes;
}

TEST_F(SkinnedDialogTest, BackgroundPictureIsTiledAndFollowsGamma)
{
    Open(IDD_PARAMETERS);
    test_support::TempFolder folder;
    folder.Write("paper.bmp", SolidBitmapFile(RGB(0x40, 0x80, 0xC0)));
    folder.Write("paper.ini", "[Skin]\r\nBackground=#000000\r\nBackgroundImage=paper.bmp\r\n");
    ASSERT_EQ(test_support::LoadSkin(*engine_.Get(), folder.Path(), "paper.ini"), S_OK);
    EXPECT_EQ(Hex(Background()), "#4080C0");
    EXPECT_EQ(Hex(ClientPixel(dialog_.Handle(), 101, 57)), "#4080C0");

    ASSERT_EQ(test_support::ApplyGamma(*engine_.Get(), -1.0f), S_OK);
    EXPECT_EQ(Hex(Background()), Hex(skin::ApplyGamma(RGB(0x40, 0x80, 0xC0), -1.0f)));
}

TEST_F(SkinnedDialogTest, WindowDestroyedBeforeTheEngineIsReleased)
{
    Open(IDD_PARAMETERS);
    ASSERT_EQ(test_support::LoadShippedSkin(*engine_.Get(), "dark"), S_OK);
    ::DestroyWindow(dialog_.Handle());
    EXPECT_EQ(test_support::ApplyGamma(*engine_.Get(), 0.3f), S_OK);
    EXPECT_EQ(test_support::LoadShippedSkin(*engine_.Get(), "light"), S_OK);
    engine_.Reset();
}

// The countdown window: every kind of object the engine makes (brushes, the
// picture, a font lent to the controls), on a window whose few controls take
// a new font quickly.
class SkinEngineLeakTest : public SkinnedDialogTest {};

TEST_F(SkinEngineLeakTest, AttachAndReleaseLeaveNoGdiOrUserObjects)
{
    Open(IDD_COUNTDOWN);
    engine_.Reset();
    test_support::TempFolder folder;
    folder.Write("paper.bmp", SolidBitmapFile(RGB(0x40, 0x80, 0xC0)));
    folder.Write("all.ini", "[Skin]\r\nBackgroundImage=paper.bmp\r\nFont=Courier New\r\nFontSize=9\r\n");
    auto cycle = [&] {
        auto engine = test_support::CreateSkinEngine();
        engine->AttachWindow(dialog_.Handle());
        test_support::ApplyGamma(*engine.Get(), 0.2f);
        test_support::LoadSkin(*engine.Get(), folder.Path(), "all.ini");
    };
    cycle();  // first use: caches of the system's own
    ::RedrawWindow(dialog_.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const test_support::ResourceCounts before = test_support::CurrentResourceCounts();
    ASSERT_GT(before.gdiObjects, 0u);
    for (int i = 0; i < 1000; ++i) {
        cycle();
    }
    const test_support::ResourceCounts after = test_support::CurrentResourceCounts();
    EXPECT_EQ(after.gdiObjects, before.gdiObjects);
    EXPECT_EQ(after.userObjects, before.userObjects);
    ExpectPlatformLook();
}

}  // namespace
