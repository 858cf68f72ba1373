// The dialog templates, icons and bitmap linked into the executable. Skins
// and the dialogs' code address controls by id and rely on the template
// order (tab order), so each template is built for real and compared with
// the layout it must have.
#include "resource.h"
#include "support/template_dialog.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

using test_support::ChildrenInTemplateOrder;
using TemplateWindow = test_support::TemplateDialog;

enum class Check { Everything, PositionOnly, Nothing };

struct ExpectedControl {
    int id;
    const char* className;
    const char* text;  // nullptr: a picture, whose text is a resource id
    DWORD styleBits;   // bits that must be set, besides WS_CHILD | WS_VISIBLE
    DWORD typeMask;    // the style field that names the kind of control
    DWORD type;
    RECT dialogUnits;  // left, top, width, height
    Check geometry;
};

std::string Text(HWND window)
{
    char buffer[1024] = {};
    ::GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

// The dialog manager converts position and size separately, so the right
// edge is x + cx in pixels, not the converted x + cx in dialog units.
RECT Pixels(HWND dialog, RECT units)
{
    RECT r = units;
    ::MapDialogRect(dialog, &r);
    return RECT{r.left, r.top, r.left + r.right, r.top + r.bottom};
}

RECT ChildRect(HWND dialog, HWND child)
{
    RECT r = {};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void ExpectControls(HWND dialog, const std::vector<ExpectedControl>& expected)
{
    const std::vector<HWND> children = ChildrenInTemplateOrder(dialog);
    ASSERT_EQ(children.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ExpectedControl& e = expected[i];
        HWND child = children[i];
        SCOPED_TRACE("control " + std::to_string(i) + " (id " + std::to_string(e.id) + ")");

        EXPECT_EQ(static_cast<int>(::GetWindowLongPtrA(child, GWLP_ID)), e.id);
        char className[64] = {};
        ::GetClassNameA(child, className, sizeof className);
        EXPECT_EQ(::lstrcmpiA(className, e.className), 0) << className;
        if (e.text != nullptr) {
            EXPECT_EQ(Text(child), e.text);
        }
        DWORD style = static_cast<DWORD>(::GetWindowLongA(child, GWL_STYLE));
        // The dialog manager trades an edit box's WS_BORDER for the sunken
        // WS_EX_CLIENTEDGE.
        if (::GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) {
            style |= WS_BORDER;
        }
        const DWORD required = WS_CHILD | WS_VISIBLE | e.styleBits;
        EXPECT_EQ(style & required, required) << std::hex << style;
        EXPECT_EQ(style & e.typeMask, e.type) << std::hex << style;

        if (e.geometry != Check::Nothing) {
            const RECT want = Pixels(dialog, e.dialogUnits);
            const RECT got = ChildRect(dialog, child);
            EXPECT_EQ(got.left, want.left);
            EXPECT_EQ(got.top, want.top);
            if (e.geometry == Check::Everything) {
                EXPECT_EQ(got.right, want.right);
                EXPECT_EQ(got.bottom, want.bottom);
            }
        }
    }
}

void ExpectClientSize(HWND dialog, LONG widthUnits, LONG heightUnits)
{
    const RECT want = Pixels(dialog, RECT{0, 0, widthUnits, heightUnits});
    RECT client = {};
    ::GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, want.right);
    EXPECT_EQ(client.bottom, want.bottom);
}

std::string FontFace(HWND dialog)
{
    LOGFONTA font = {};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfFaceName;
}

constexpr DWORD kButtonType = BS_TYPEMASK;
constexpr DWORD kStaticType = SS_TYPEMASK;
constexpr DWORD kComboType = 0x3;  // CBS_SIMPLE / CBS_DROPDOWN / CBS_DROPDOWNLIST
constexpr DWORD kPassword = WS_BORDER | WS_TABSTOP | ES_PASSWORD | ES_AUTOHSCROLL;

TEST(DialogTemplatesTest, CountdownWindowIsACaptionlessPopupWithItsFourControls)
{
    TemplateWindow dialog(IDD_COUNTDOWN);
    ASSERT_NE(dialog.Get(), nullptr);
    const DWORD style = static_cast<DWORD>(::GetWindowLongA(dialog.Get(), GWL_STYLE));
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU), static_cast<DWORD>(WS_POPUP | WS_BORDER));
    EXPECT_EQ(Text(dialog.Get()), "");
    EXPECT_EQ(FontFace(dialog.Get()), "Tahoma");
    ExpectClientSize(dialog.Get(), 118, 77);

    ExpectControls(dialog.Get(), {
        {IDCANCEL, "Button", "_Cancel", WS_TABSTOP, kButtonType, BS_PUSHBUTTON, {7, 56, 50, 14}, Check::Everything},
        {IDC_HIDE, "Button", "_Hide", WS_TABSTOP, kButtonType, BS_PUSHBUTTON, {61, 56, 50, 14}, Check::Everything},
        {IDC_INFO, "Static", "_Info", WS_GROUP, kStaticType, SS_LEFT, {33, 7, 78, 45}, Check::Everything},
        // An icon static sizes itself to its icon.
        {IDC_STATIC, "Static", nullptr, 0, kStaticType, SS_ICON, {7, 7, 20, 20}, Check::PositionOnly},
    });
}

// The prompt's layout is free (it has room for every shipped translation:
// dialog_fit_test.cpp checks that), so only what the code relies on is
// checked here: ids, kinds, texts, styles and the order.
TEST(DialogTemplatesTest, PasswordDialogPutsThePasswordBoxFirst)
{
    TemplateWindow dialog(IDD_PASSWORD);
    ASSERT_NE(dialog.Get(), nullptr);
    const DWORD style = static_cast<DWORD>(::GetWindowLongA(dialog.Get(), GWL_STYLE));
    const DWORD required = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    EXPECT_EQ(style & required, required);
    EXPECT_EQ(Text(dialog.Get()), "_EnterPsw");
    EXPECT_EQ(FontFace(dialog.Get()), "Tahoma");

    const RECT any = {};
    const Check no = Check::Nothing;
    ExpectControls(dialog.Get(), {
        {IDC_PASSWORD, "Edit", "", kPassword, 0, 0, any, no},
        {IDOK, "Button", "OK", WS_TABSTOP, kButtonType, BS_DEFPUSHBUTTON, any, no},
        {IDCANCEL, "Button", "Cancel", WS_TABSTOP, kButtonType, BS_PUSHBUTTON, any, no},
        {IDC_STATIC, "Static", nullptr, 0, kStaticType, SS_ICON, any, no},
        {IDC_STATIC, "Static", "_EnterPswInfo", WS_GROUP, kStaticType, SS_LEFT, any, no},
    });
}

// The parameters dialog's layout is free too, so only what the code and the
// skins rely on is checked here: ids, kinds, texts and the order. The tab
// stops keep their order; each label stands right before its control so that
// its Alt+letter reaches it.
TEST(DialogTemplatesTest, ParametersDialogKeepsItsControlsInTabOrder)
{
    TemplateWindow dialog(IDD_PARAMETERS);
    ASSERT_NE(dialog.Get(), nullptr);
    const DWORD style = static_cast<DWORD>(::GetWindowLongA(dialog.Get(), GWL_STYLE));
    const DWORD required = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    EXPECT_EQ(style & required, required);
    EXPECT_EQ(Text(dialog.Get()), "_EnterParams");
    EXPECT_EQ(FontFace(dialog.Get()), "Tahoma");

    // A combo box hands WS_VSCROLL on to its drop-down list and drops it from
    // its own style, so only the tab stop is visible on the window.
    const DWORD list = WS_TABSTOP;
    const RECT any = {};
    const Check no = Check::Nothing;
    ExpectControls(dialog.Get(), {
        {IDOK, "Button", "_OK", WS_TABSTOP, kButtonType, BS_DEFPUSHBUTTON, any, no},
        {IDCANCEL, "Button", "_Cancel", WS_TABSTOP, kButtonType, BS_PUSHBUTTON, any, no},
        {IDC_STATIC, "Static", nullptr, 0, kStaticType, SS_ICON, any, no},
        {IDC_STATIC, "Static", "_EnerParamsInfo", WS_GROUP, kStaticType, SS_LEFT, any, no},
        {IDC_ACTION_LABEL, "Static", "_Selectanaction", WS_GROUP, kStaticType, SS_LEFT, any, no},
        {IDC_ACTION, "ComboBox", nullptr, list, kComboType, CBS_DROPDOWNLIST, any, no},
        {IDC_TIMER_LABEL, "Static", "_SetTimer", WS_GROUP, kStaticType, SS_LEFT, any, no},
        {IDC_HOURS_LABEL, "Static", "_Hours", WS_GROUP, kStaticType, SS_LEFT, any, no},
        {IDC_HOURS, "ComboBox", nullptr, list, kComboType, CBS_DROPDOWNLIST, any, no},
        {IDC_MINUTES_LABEL, "Static", "_Mins", WS_GROUP, kStaticType, SS_LEFT, any, no},
        {IDC_MINUTES, "ComboBox", nullptr, list, kComboType, CBS_DROPDOWNLIST, any, no},
        {IDC_SECONDS_LABEL, "Static", "_Secs", WS_GROUP, kStaticType, SS_LEFT, any, no},
        {IDC_SECONDS, "ComboBox", nullptr, list, kComboType, CBS_DROPDOWNLIST, any, no},
        {IDC_USE_PASSWORD, "Button", "_Usemustenterpswtocancel", WS_TABSTOP, kButtonType, BS_AUTOCHECKBOX, any, no},
        {IDC_PASSWORD_LABEL, "Static", "_asdPassword", WS_GROUP, kStaticType, SS_LEFT, any, no},
        {IDC_PASSWORD, "Edit", "", kPassword, 0, 0, any, no},
        {IDC_PASSWORD_REPEAT_LABEL, "Static", "_asdPasswordre", WS_GROUP, kStaticType, SS_LEFT, any, no},
        {IDC_PASSWORD_REPEAT, "Edit", "", kPassword, 0, 0, any, no},
        {IDC_STATIC, "Static", "", 0, kStaticType, SS_ETCHEDHORZ, any, no},
        {IDC_STATIC, "Static", "", 0, kStaticType, SS_ETCHEDHORZ, any, no},
        {0, "Static", "_Copyright", WS_GROUP, kStaticType, SS_LEFT, any, no},
        {IDC_BANNER, "Static", nullptr, WS_GROUP, kStaticType, SS_BITMAP, any, no},
        {0, "Static", "_LegalNotice", WS_GROUP, kStaticType, SS_LEFT, any, no},
    });
}

TEST(DialogTemplatesTest, IconsCarryEverySizeTheSystemAsksFor)
{
    for (int id : {IDI_APPLICATION_ICON, IDI_PASSWORD_ICON}) {
        for (int size : {16, 32, 48}) {
            SCOPED_TRACE("icon " + std::to_string(id) + " at " + std::to_string(size));
            HICON icon = static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
            ASSERT_NE(icon, nullptr);
            ICONINFO info = {};
            ASSERT_TRUE(::GetIconInfo(icon, &info));
            BITMAP colour = {};
            ::GetObjectA(info.hbmColor, sizeof colour, &colour);
            EXPECT_EQ(colour.bmWidth, size);
            EXPECT_EQ(colour.bmHeight, size);
            ::DeleteObject(info.hbmColor);
            ::DeleteObject(info.hbmMask);
            ::DestroyIcon(icon);
        }
    }
}

TEST(DialogTemplatesTest, BannerBitmapLoads)
{
    HBITMAP banner = static_cast<HBITMAP>(
        ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BANNER), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    ASSERT_NE(banner, nullptr);
    ::DeleteObject(banner);
}

}  // namespace
