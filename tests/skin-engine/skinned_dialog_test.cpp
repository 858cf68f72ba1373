#include "controls/text_label.h"
#include "resource.h"
#include "support/message_pump.h"
#include "support/resource_counts.h"
#include "support/skin_engine.h"
#include "support/skin_engine_client.h"
#include "support/temp_folder.h"
#include "ui/dialog.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "gamma.h"
#include "skin_file.h"
#include "text/wide_text.h"
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
    const auto design = skin::ReadSkinFile(ToWide(test_support::ShippedSkinFile(name)).c_str());
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

    COLORREF Background() { return ClientPixel(dialog_.Handle(), 3, 3); }
    HFONT FontOf(int id) { return reinterpret_cast<HFONT>(::SendMessageA(dialog_.Item(id), WM_GETFONT, 0, 0)); }

    // Loads a skin file of the test's own, `content` being its text.
    HRESULT LoadWrittenSkin(const std::string& content)
    {
        skinFolder_.Write("skin.ini", content);
        return test_support::LoadSkin(*engine_.Get(), skinFolder_.Path(), "skin.ini");
    }
    COLORREF ButtonFace(int id) { return ClientPixel(dialog_.Item(id), 6, 6); }

    // What the dialog manager does with a key pressed in the dialog.
    bool PressKey(UINT message, WPARAM key)
    {
        MSG msg{};
        // A control of the dialog: a key sent to the dialog itself that finds
        // no mnemonic would open the system menu's modal loop.
        HWND focus = ::GetFocus();
        msg.hwnd = focus != nullptr && ::IsChild(dialog_.Handle(), focus) ? focus : dialog_.Item(IDC_HOURS).Handle();
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
    base::ComPtr<SkinEngine> engine_;
    // The dialog's pixels before the engine came.
    COLORREF platformBackground_ = 0;
    COLORREF platformButtonFace_ = 0;
    test_support::TempFolder skinFolder_;
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
    LOGFONTA logFont{};
    ::GetObjectA(label.Font(), sizeof logFont, &logFont);
    logFont.lfWeight = 0;  // as the countdown window sets it
    label.ReplaceFont(logFont);
    label.SetTextColour(RGB(255, 255, 0));  // the skin's colour wins
    ::SetWindowTextA(dialog_.Item(IDC_INFO), "WWWWWWWWWWWW");
    RECT area{};
    ::GetClientRect(dialog_.Item(IDC_INFO), &area);
    // Below the one line of text lies the parent's background; within it the
    // skin's colour for the information text shows.
    EXPECT_EQ(Hex(ClientPixel(dialog_.Item(IDC_INFO), 2, area.bottom - 2)), Hex(ShippedPalette("dark").background));
    bool textPainted = false;
    for (int x = 0; x < 40 && !textPainted; ++x) {
        for (int y = 0; y < 12 && !textPainted; ++y) {
            textPainted = ClientPixel(dialog_.Item(IDC_INFO), x, y) == ShippedPalette("dark").information;
        }
    }
    EXPECT_TRUE(textPainted);
}

TEST_F(SkinnedDialogTest, SkinFontGoesToTheControlsAndComesBack)
{
    Open(IDD_PARAMETERS);
    const HFONT ownFont = FontOf(IDOK);
    ASSERT_EQ(LoadWrittenSkin("[Skin]\r\nFont=Courier New\r\nFontSize=12\r\n"), S_OK);

    const auto skinFont = FontOf(IDOK);
    ASSERT_NE(skinFont, ownFont);
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageA(dialog_.Handle(), WM_GETFONT, 0, 0)), skinFont);
    LOGFONTA logFont{};
    ASSERT_EQ(::GetObjectA(skinFont, sizeof logFont, &logFont), static_cast<int>(sizeof logFont));
    EXPECT_STREQ(logFont.lfFaceName, "Courier New");
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(logFont.lfHeight, -::MulDiv(12, ::GetDeviceCaps(screen, LOGPIXELSY), 72));  // system DPI
    ::ReleaseDC(nullptr, screen);

    engine_.Reset();
    EXPECT_EQ(FontOf(IDOK), ownFont);
}

// A 2x2 24-bit picture in one colour, as a .bmp file.
std::string SolidBitmapFile(COLORREF colour)
{
    return test_support::BitmapFile(2, 2, colour);
}

TEST_F(SkinnedDialogTest, BackgroundPictureIsTiledAndFollowsGamma)
{
    Open(IDD_PARAMETERS);
    skinFolder_.Write("paper.bmp", SolidBitmapFile(RGB(0x40, 0x80, 0xC0)));
    ASSERT_EQ(LoadWrittenSkin("[Skin]\r\nBackground=#000000\r\nBackgroundImage=paper.bmp\r\n"), S_OK);
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

// Outside code page 1252, and in code page 932 (run once more under
// LC_ALL=ja_JP.UTF-8, tests/CMakeLists.txt) ending in 表, whose trail byte
// there is a backslash.
TEST_F(SkinnedDialogTest, SkinFolderNamedInAnotherScriptLoads)
{
    Open(IDD_PARAMETERS);
    test_support::TempFolder parent;
    test_support::WideNamedFolder folder(ToWide(parent.Path()), L"\u0422\u0435\u0441\u0442 \u30C7\u30B6\u30A4\u30F3\u8868");
    ASSERT_FALSE(folder.Write(L"paper.bmp", SolidBitmapFile(RGB(0x40, 0x80, 0xC0))).empty());
    ASSERT_FALSE(folder.Write(L"skin.ini", "[Skin]\r\nBackgroundImage=paper.bmp\r\n").empty());
    EXPECT_EQ(test_support::LoadSkinWide(*engine_.Get(), folder.Path(), L"skin.ini"), S_OK);
    EXPECT_EQ(Hex(Background()), "#4080C0");
}

TEST_F(SkinnedDialogTest, RelativeRootIsRefusedWhateverTheCurrentFolder)
{
    Open(IDD_PARAMETERS);
    char previous[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(::SetCurrentDirectoryA(test_support::ShippedSkinFolder("").c_str()));
    const HRESULT relative = test_support::LoadSkin(*engine_.Get(), "dark", "dark.ini");
    const HRESULT dotted = test_support::LoadSkin(*engine_.Get(), ".\\dark", "dark.ini");
    ::SetCurrentDirectoryA(previous);
    EXPECT_EQ(relative, E_INVALIDARG);
    EXPECT_EQ(dotted, E_INVALIDARG);
    ExpectPlatformLook();
}

TEST_F(SkinnedDialogTest, PictureLargerThan4096PixelsIsNotLoaded)
{
    Open(IDD_PARAMETERS);
    skinFolder_.Write("wide.bmp", test_support::BitmapFile(4097, 1, RGB(0x40, 0x80, 0xC0)));
    skinFolder_.Write("tall.bmp", test_support::BitmapFile(1, -4097, RGB(0x40, 0x80, 0xC0)));
    skinFolder_.Write("short.bmp", SolidBitmapFile(RGB(0x40, 0x80, 0xC0)).substr(0, 30));
    for (const char* picture : {"wide.bmp", "tall.bmp", "short.bmp"}) {
        SCOPED_TRACE(picture);
        ASSERT_EQ(LoadWrittenSkin(std::string("[Skin]\r\nBackground=#102030\r\nBackgroundImage=") + picture + "\r\n"),
                  S_OK);
        EXPECT_EQ(Hex(Background()), "#102030");
    }
}

TEST_F(SkinnedDialogTest, SecondEngineOnTheSameWindowIsRefused)
{
    Open(IDD_PARAMETERS);
    const HFONT ownFont = FontOf(IDOK);
    ASSERT_EQ(LoadWrittenSkin("[Skin]\r\nBackground=#102030\r\nFont=Courier New\r\nFontSize=12\r\n"), S_OK);

    auto second = test_support::CreateSkinEngine();
    ASSERT_TRUE(second);
    EXPECT_NE(second->AttachWindow(dialog_.Handle()), S_OK);
    test_support::LoadShippedSkin(*second.Get(), "light");
    second.Reset();
    EXPECT_EQ(Hex(Background()), "#102030");

    // The first engine gives back the font the button had before any skin.
    engine_.Reset();
    EXPECT_EQ(FontOf(IDOK), ownFont);
    LOGFONTA logFont{};
    EXPECT_EQ(::GetObjectA(ownFont, sizeof logFont, &logFont), static_cast<int>(sizeof logFont));
    ExpectPlatformLook();
}

DWORD WINAPI ReleaseOnThisThread(void* engine)
{
    static_cast<SkinEngine*>(engine)->Release();
    return 0;
}

TEST_F(SkinnedDialogTest, LastReleaseOnAnotherThreadNeedsNothingFromTheWindowsThread)
{
    Open(IDD_PARAMETERS);
    const HFONT ownFont = FontOf(IDOK);
    ASSERT_EQ(LoadWrittenSkin("[Skin]\r\nBackground=#102030\r\nFont=Courier New\r\nFontSize=12\r\n"), S_OK);
    HANDLE thread = ::CreateThread(nullptr, 0, &ReleaseOnThisThread, engine_.Detach(), 0, nullptr);
    ASSERT_NE(thread, nullptr);

    // The window's thread is busy elsewhere: the release must not wait for
    // it (a subclass and lent fonts can only be taken back on its thread).
    const DWORD released = ::WaitForSingleObject(thread, 10000);
    while (::MsgWaitForMultipleObjects(1, &thread, FALSE, 10000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        test_support::PumpPendingMessages();
    }
    ::CloseHandle(thread);
    EXPECT_EQ(released, WAIT_OBJECT_0);

    // Once the window's thread runs, the window is its own again.
    test_support::PumpPendingMessages();
    for (UINT message : {WM_SETTINGCHANGE, WM_SYSCOLORCHANGE, WM_THEMECHANGED}) {
        ::SendMessageA(dialog_.Handle(), message, 0, 0);
    }
    EXPECT_EQ(FontOf(IDOK), ownFont);
    ExpectPlatformLook();
    // A new engine may take the window over.
    engine_ = test_support::CreateSkinEngine();
    EXPECT_EQ(engine_->AttachWindow(dialog_.Handle()), S_OK);
}

// The program's own texts, measured from the screen as a user sees them: the
// countdown's information text and the parameters dialog's two headings,
// with their labels set up as the windows set them up.
class SkinnedLabelTest : public SkinnedDialogTest {
protected:
    struct Measured {
        COLORREF text = 0;
        double worstContrast = 0.0;
        int textPixels = 0;
    };

    // The text's colour is the one most pixels of the label take that the
    // background alone does not show; every background pixel under the
    // label is measured against it.
    Measured Measure(HWND control, const char* text)
    {
        RECT area{};
        ::GetClientRect(control, &area);
        ::SetWindowTextA(control, "");
        std::vector<COLORREF> background = Pixels(control, area);
        ::SetWindowTextA(control, text);
        std::vector<COLORREF> painted = Pixels(control, area);
        Measured measured;
        std::map<COLORREF, int> counts;
        for (std::size_t i = 0; i < painted.size(); ++i) {
            if (painted[i] != background[i]) {
                ++counts[painted[i]];
                ++measured.textPixels;
            }
        }
        int most = 0;
        for (const auto& [colour, count] : counts) {
            if (count > most) {
                most = count;
                measured.text = colour;
            }
        }
        measured.worstContrast = 1e9;
        for (COLORREF under : background) {
            measured.worstContrast = std::min(measured.worstContrast, test_support::ContrastRatio(measured.text, under));
        }
        return measured;
    }

    static std::vector<COLORREF> Pixels(HWND control, const RECT& area)
    {
        test_support::ClientPixel(control, 0, 0);  // every paint done
        std::vector<COLORREF> pixels;
        HDC dc = ::GetDC(control);
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                pixels.push_back(::GetPixel(dc, x, y));
            }
        }
        ::ReleaseDC(control, dc);
        return pixels;
    }
};

TEST_F(SkinnedLabelTest, CountdownInformationIsReadableInEveryShippedSkin)
{
    Open(IDD_COUNTDOWN);
    TextLabel info;
    ASSERT_TRUE(info.Attach(dialog_.Item(IDC_INFO)));
    LOGFONTA logFont{};
    ::GetObjectA(info.Font(), sizeof logFont, &logFont);
    logFont.lfWeight = 0;
    info.ReplaceFont(logFont);
    info.SetTextColour(RGB(0xB4, 0x46, 0x00));
    for (const char* name : {"light", "dark"}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(test_support::LoadShippedSkin(*engine_.Get(), name), S_OK);
        const Measured measured = Measure(dialog_.Item(IDC_INFO), "Shut down in 0 hours 0 minutes 20 seconds");
        ASSERT_GT(measured.textPixels, 20);
        EXPECT_EQ(Hex(measured.text), Hex(ShippedPalette(name).information));
        EXPECT_GE(measured.worstContrast, 4.5);
    }
}

TEST_F(SkinnedLabelTest, ParametersHeadingsAreReadableInEveryShippedSkin)
{
    Open(IDD_PARAMETERS);
    TextLabel action;
    TextLabel timer;
    ASSERT_TRUE(action.Attach(dialog_.Item(IDC_ACTION_LABEL)));
    ASSERT_TRUE(timer.Attach(dialog_.Item(IDC_TIMER_LABEL)));
    for (const char* name : {"light", "dark"}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(test_support::LoadShippedSkin(*engine_.Get(), name), S_OK);
        for (auto [label, text] : {std::pair{&action, "Select an action"}, std::pair{&timer, "Set the timer"}}) {
            const Measured measured = Measure(label->Handle(), text);
            ASSERT_GT(measured.textPixels, 20);
            EXPECT_EQ(Hex(measured.text), Hex(ShippedPalette(name).heading));
            EXPECT_GE(measured.worstContrast, 4.5);
        }
    }
}

TEST_F(SkinnedLabelTest, WithoutASkinTheLabelKeepsItsOwnColour)
{
    Open(IDD_PARAMETERS);
    engine_.Reset();
    TextLabel action;
    ASSERT_TRUE(action.Attach(dialog_.Item(IDC_ACTION_LABEL)));
    action.SetTextColour(RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(Hex(Measure(action.Handle(), "Select an action").text), "#123456");
}

// The engine's test build, whose High Contrast seam the tests switch.
class TestingEngineDialogTest : public SkinnedDialogTest {
protected:
    void TearDown() override { test_support::ForceHighContrast(-1); }

    test_support::ScopedSkinEngine testingEngine_{test_support::TestingSkinEnginePath()};
};

TEST_F(TestingEngineDialogTest, HighContrastShowsThePlatformLookUntilItIsOff)
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

TEST_F(TestingEngineDialogTest, PictureIsMadeOnceAcrossBroadcastsAndHighContrast)
{
    Open(IDD_PARAMETERS);
    skinFolder_.Write("paper.bmp", SolidBitmapFile(RGB(0x40, 0x80, 0xC0)));
    ASSERT_EQ(LoadWrittenSkin("[Skin]\r\nBackgroundImage=paper.bmp\r\n"), S_OK);
    ASSERT_EQ(Hex(Background()), "#4080C0");

    // A changed file shows only once the skin or the gamma is given again.
    skinFolder_.Write("paper.bmp", SolidBitmapFile(RGB(0x10, 0x20, 0x30)));
    for (UINT message : {WM_SETTINGCHANGE, WM_SYSCOLORCHANGE, WM_THEMECHANGED}) {
        ::SendMessageA(dialog_.Handle(), message, 0, 0);
    }
    EXPECT_EQ(Hex(Background()), "#4080C0");
    ASSERT_TRUE(test_support::ForceHighContrast(1));
    ::SendMessageA(dialog_.Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    ASSERT_TRUE(test_support::ForceHighContrast(0));
    ::SendMessageA(dialog_.Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    EXPECT_EQ(Hex(Background()), "#4080C0");

    ASSERT_EQ(test_support::ApplyGamma(*engine_.Get(), 0.0f), S_OK);
    EXPECT_EQ(Hex(Background()), "#102030");
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
