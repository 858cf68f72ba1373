// The dialog templates, icons and bitmap linked into the executable, each
// template built for real from the test executable's resources. Skins and
// the dialogs' code address controls by id and rely on the template order
// (tab order), so ids, kinds, texts and order are checked as they are. The
// layout is checked by relations between the controls, which hold whatever
// coordinates a template gives them: inside the dialog, clear of each other,
// even margins, the buttons at the bottom, each label next to its control.
#include "resource.h"
#include "support/template_dialog.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace {

using test_support::ChildrenInTemplateOrder;
using test_support::RectInDialog;
using test_support::TemplateDialog;

std::string Text(HWND window)
{
    char buffer[1024] = {};
    ::GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

DWORD StyleOf(HWND window)
{
    return static_cast<DWORD>(::GetWindowLongA(window, GWL_STYLE));
}

bool IsButtonOfType(HWND window, DWORD type)
{
    return ::lstrcmpiA(ClassOf(window).c_str(), "Button") == 0 && (StyleOf(window) & BS_TYPEMASK) == type;
}

bool IsPushButton(HWND window)
{
    return IsButtonOfType(window, BS_PUSHBUTTON) || IsButtonOfType(window, BS_DEFPUSHBUTTON);
}

bool IsStaticOfType(HWND window, DWORD type)
{
    return ::lstrcmpiA(ClassOf(window).c_str(), "Static") == 0 && (StyleOf(window) & SS_TYPEMASK) == type;
}

bool Contains(const RECT& outer, const RECT& inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::string Describe(HWND control)
{
    return "control " + std::to_string(::GetDlgCtrlID(control)) + " (" + ClassOf(control) + " \"" + Text(control) +
           "\")";
}

std::string FontFace(HWND dialog)
{
    LOGFONTA font = {};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfFaceName;
}

// --- What the code and the skins rely on: ids, kinds, texts, order -----------

struct ExpectedControl {
    int id;
    const char* className;
    const char* text;  // nullptr: a picture, whose text is a resource id
    DWORD styleBits;   // bits that must be set, besides WS_CHILD | WS_VISIBLE
    DWORD typeMask;    // the style field that names the kind of control
    DWORD type;
};

void ExpectControls(HWND dialog, const std::vector<ExpectedControl>& expected)
{
    const std::vector<HWND> children = ChildrenInTemplateOrder(dialog);
    ASSERT_EQ(children.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ExpectedControl& e = expected[i];
        HWND child = children[i];
        SCOPED_TRACE("control " + std::to_string(i) + " (id " + std::to_string(e.id) + ")");

        EXPECT_EQ(static_cast<int>(::GetWindowLongPtrA(child, GWLP_ID)), e.id);
        EXPECT_EQ(::lstrcmpiA(ClassOf(child).c_str(), e.className), 0) << ClassOf(child);
        if (e.text != nullptr) {
            EXPECT_EQ(Text(child), e.text);
        }
        DWORD style = StyleOf(child);
        // The dialog manager trades an edit box's WS_BORDER for the sunken
        // WS_EX_CLIENTEDGE.
        if (::GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) {
            style |= WS_BORDER;
        }
        const DWORD required = WS_CHILD | WS_VISIBLE | e.styleBits;
        EXPECT_EQ(style & required, required) << std::hex << style;
        EXPECT_EQ(style & e.typeMask, e.type) << std::hex << style;
    }
}

// The dialog's own window: the style bits it must have and those it must
// not, its caption (a language key) and the template's font.
void ExpectFrame(HWND dialog, DWORD required, DWORD forbidden, const char* caption)
{
    const DWORD style = StyleOf(dialog);
    EXPECT_EQ(style & required, required) << std::hex << style;
    EXPECT_EQ(style & forbidden, 0u) << std::hex << style;
    EXPECT_EQ(Text(dialog), caption);
    EXPECT_EQ(FontFace(dialog), "Tahoma");
}

constexpr DWORD kButtonType = BS_TYPEMASK;
constexpr DWORD kStaticType = SS_TYPEMASK;
constexpr DWORD kComboType = 0x3;  // CBS_SIMPLE / CBS_DROPDOWN / CBS_DROPDOWNLIST
constexpr DWORD kPassword = WS_BORDER | WS_TABSTOP | ES_PASSWORD | ES_AUTOHSCROLL;
constexpr DWORD kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

TEST(DialogTemplatesTest, CountdownWindowIsACaptionlessPopupWithItsFourControls)
{
    TemplateDialog dialog(IDD_COUNTDOWN);
    ASSERT_NE(dialog.Get(), nullptr);
    ExpectFrame(dialog.Get(), WS_POPUP | WS_BORDER, WS_DLGFRAME | WS_SYSMENU, "");
    ExpectControls(dialog.Get(), {
        {IDCANCEL, "Button", "_Cancel", WS_TABSTOP, kButtonType, BS_PUSHBUTTON},
        {IDC_HIDE, "Button", "_Hide", WS_TABSTOP, kButtonType, BS_PUSHBUTTON},
        {IDC_INFO, "Static", "_Info", WS_GROUP, kStaticType, SS_LEFT},
        {IDC_STATIC, "Static", nullptr, 0, kStaticType, SS_ICON},
    });
}

TEST(DialogTemplatesTest, PasswordDialogPutsThePasswordBoxFirst)
{
    TemplateDialog dialog(IDD_PASSWORD);
    ASSERT_NE(dialog.Get(), nullptr);
    ExpectFrame(dialog.Get(), kModal, 0, "_EnterPsw");
    ExpectControls(dialog.Get(), {
        {IDC_PASSWORD, "Edit", "", kPassword, 0, 0},
        {IDOK, "Button", "OK", WS_TABSTOP, kButtonType, BS_DEFPUSHBUTTON},
        {IDCANCEL, "Button", "Cancel", WS_TABSTOP, kButtonType, BS_PUSHBUTTON},
        {IDC_STATIC, "Static", nullptr, 0, kStaticType, SS_ICON},
        {IDC_STATIC, "Static", "_EnterPswInfo", WS_GROUP, kStaticType, SS_LEFT},
    });
}

// The tab stops keep their order; each label stands right before its control
// so that its Alt+letter reaches it.
TEST(DialogTemplatesTest, ParametersDialogKeepsItsControlsInTabOrder)
{
    TemplateDialog dialog(IDD_PARAMETERS);
    ASSERT_NE(dialog.Get(), nullptr);
    ExpectFrame(dialog.Get(), kModal, 0, "_EnterParams");

    // A combo box hands WS_VSCROLL on to its drop-down list and drops it from
    // its own style, so only the tab stop is visible on the window.
    const DWORD list = WS_TABSTOP;
    ExpectControls(dialog.Get(), {
        {IDOK, "Button", "_OK", WS_TABSTOP, kButtonType, BS_DEFPUSHBUTTON},
        {IDCANCEL, "Button", "_Cancel", WS_TABSTOP, kButtonType, BS_PUSHBUTTON},
        {IDC_STATIC, "Static", nullptr, 0, kStaticType, SS_ICON},
        {IDC_STATIC, "Static", "_EnerParamsInfo", WS_GROUP, kStaticType, SS_LEFT},
        {IDC_ACTION_LABEL, "Static", "_Selectanaction", WS_GROUP, kStaticType, SS_LEFT},
        {IDC_ACTION, "ComboBox", nullptr, list, kComboType, CBS_DROPDOWNLIST},
        {IDC_TIMER_LABEL, "Static", "_SetTimer", WS_GROUP, kStaticType, SS_LEFT},
        {IDC_HOURS_LABEL, "Static", "_Hours", WS_GROUP, kStaticType, SS_LEFT},
        {IDC_HOURS, "ComboBox", nullptr, list, kComboType, CBS_DROPDOWNLIST},
        {IDC_MINUTES_LABEL, "Static", "_Mins", WS_GROUP, kStaticType, SS_LEFT},
        {IDC_MINUTES, "ComboBox", nullptr, list, kComboType, CBS_DROPDOWNLIST},
        {IDC_SECONDS_LABEL, "Static", "_Secs", WS_GROUP, kStaticType, SS_LEFT},
        {IDC_SECONDS, "ComboBox", nullptr, list, kComboType, CBS_DROPDOWNLIST},
        {IDC_USE_PASSWORD, "Button", "_Usemustenterpswtocancel", WS_TABSTOP, kButtonType, BS_AUTOCHECKBOX},
        {IDC_PASSWORD_LABEL, "Static", "_asdPassword", WS_GROUP, kStaticType, SS_LEFT},
        {IDC_PASSWORD, "Edit", "", kPassword, 0, 0},
        {IDC_PASSWORD_REPEAT_LABEL, "Static", "_asdPasswordre", WS_GROUP, kStaticType, SS_LEFT},
        {IDC_PASSWORD_REPEAT, "Edit", "", kPassword, 0, 0},
        {IDC_STATIC, "Static", "", 0, kStaticType, SS_ETCHEDHORZ},
        {IDC_STATIC, "Static", "", 0, kStaticType, SS_ETCHEDHORZ},
        {0, "Static", "_Copyright", WS_GROUP, kStaticType, SS_LEFT},
        {IDC_BANNER, "Static", nullptr, WS_GROUP, kStaticType, SS_BITMAP},
        {0, "Static", "_LegalNotice", WS_GROUP, kStaticType, SS_LEFT},
    });
}

// --- The layout, by relations between the controls --------------------------

// One template laid out, its controls in template order with their
// rectangles in client pixels.
class TemplateLayoutTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        ASSERT_NE(dialog_.Get(), nullptr);
        ::GetClientRect(dialog_.Get(), &client_);
        controls_ = ChildrenInTemplateOrder(dialog_.Get());
        ASSERT_FALSE(controls_.empty());
        for (HWND control : controls_) {
            rects_.push_back(RectInDialog(dialog_.Get(), control));
        }
    }

    // Dialog units in pixels, across (x) and down (y).
    POINT Units(int across, int down) const
    {
        RECT r{0, 0, across, down};
        ::MapDialogRect(dialog_.Get(), &r);
        return POINT{r.right, r.bottom};
    }

    // The extent of the controls together. Etched lines are left out: the
    // system may draw them wider than their template says (two pixels under
    // Wine).
    RECT Bounds() const
    {
        RECT bounds = rects_.front();
        for (std::size_t i = 0; i < controls_.size(); ++i) {
            if (!IsStaticOfType(controls_[i], SS_ETCHEDHORZ) && !IsStaticOfType(controls_[i], SS_ETCHEDVERT)) {
                ::UnionRect(&bounds, &bounds, &rects_[i]);
            }
        }
        return bounds;
    }

    std::vector<std::size_t> PushButtons() const
    {
        std::vector<std::size_t> buttons;
        for (std::size_t i = 0; i < controls_.size(); ++i) {
            if (IsPushButton(controls_[i])) {
                buttons.push_back(i);
            }
        }
        return buttons;
    }

    std::size_t IndexOfType(bool (*matches)(HWND, DWORD), DWORD type) const
    {
        for (std::size_t i = 0; i < controls_.size(); ++i) {
            if (matches(controls_[i], type)) {
                return i;
            }
        }
        return controls_.size();
    }

    TemplateDialog dialog_{GetParam()};
    RECT client_{};
    std::vector<HWND> controls_;
    std::vector<RECT> rects_;
};

TEST_P(TemplateLayoutTest, EveryControlLiesInsideTheDialog)
{
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        EXPECT_TRUE(Contains(client_, rects_[i])) << Describe(controls_[i]);
    }
}

TEST_P(TemplateLayoutTest, NoTwoControlsOverlapUnlessAGroupBoxHoldsTheOther)
{
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        for (std::size_t j = i + 1; j < controls_.size(); ++j) {
            RECT overlap{};
            if (!::IntersectRect(&overlap, &rects_[i], &rects_[j])) {
                continue;
            }
            const bool held = (IsButtonOfType(controls_[i], BS_GROUPBOX) && Contains(rects_[i], rects_[j])) ||
                              (IsButtonOfType(controls_[j], BS_GROUPBOX) && Contains(rects_[j], rects_[i]));
            EXPECT_TRUE(held) << Describe(controls_[i]) << " overlaps " << Describe(controls_[j]);
        }
    }
}

// The dialog manager rounds each control's position and size on its own, so
// opposite margins may differ by a pixel.
TEST_P(TemplateLayoutTest, OppositeMarginsAreEqual)
{
    const RECT bounds = Bounds();
    EXPECT_NEAR(bounds.left, client_.right - bounds.right, 1);
    EXPECT_NEAR(bounds.top, client_.bottom - bounds.bottom, 1);
    EXPECT_GT(bounds.left, 0);
    EXPECT_GT(bounds.top, 0);
}

TEST_P(TemplateLayoutTest, IconStandsInTheTopLeftCornerWithItsTextBesideIt)
{
    const std::size_t icon = IndexOfType(IsStaticOfType, SS_ICON);
    ASSERT_LT(icon, controls_.size());
    const RECT bounds = Bounds();
    EXPECT_EQ(rects_[icon].left, bounds.left);
    EXPECT_EQ(rects_[icon].top, bounds.top);

    // The text that explains the dialog: a static text level with the icon,
    // right of it.
    bool textBeside = false;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        textBeside = textBeside || (IsStaticOfType(controls_[i], SS_LEFT) && rects_[i].top == rects_[icon].top &&
                                    rects_[i].left > rects_[icon].right);
    }
    EXPECT_TRUE(textBeside) << "no text beside the icon";
}

TEST_P(TemplateLayoutTest, PushButtonsShareOneSizeAndTheBottomRowInTabOrderEndingAtTheRightMargin)
{
    const std::vector<std::size_t> buttons = PushButtons();
    ASSERT_GE(buttons.size(), 2u);
    const RECT& first = rects_[buttons.front()];
    for (std::size_t k = 1; k < buttons.size(); ++k) {
        const RECT& previous = rects_[buttons[k - 1]];
        const RECT& button = rects_[buttons[k]];
        SCOPED_TRACE(Describe(controls_[buttons[k]]));
        EXPECT_EQ(button.right - button.left, first.right - first.left);
        EXPECT_EQ(button.bottom - button.top, first.bottom - first.top);
        EXPECT_EQ(button.top, first.top);
        EXPECT_GT(button.left, previous.right) << "left to right in tab order";
    }
    EXPECT_EQ(rects_[buttons.back()].right, Bounds().right);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        EXPECT_LT(rects_[i].top, first.bottom) << Describe(controls_[i]) << " lies below the buttons";
    }
}

INSTANTIATE_TEST_SUITE_P(Program, TemplateLayoutTest, ::testing::Values(IDD_COUNTDOWN, IDD_PASSWORD, IDD_PARAMETERS),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == IDD_COUNTDOWN  ? std::string("Countdown")
                                    : info.param == IDD_PASSWORD ? std::string("Password")
                                                                 : std::string("Parameters");
                         });

// The parameters dialog's own rows and columns.
class ParametersLayoutTest : public TemplateLayoutTest {
protected:
    std::size_t IndexOf(int id) const
    {
        for (std::size_t i = 0; i < controls_.size(); ++i) {
            if (::GetDlgCtrlID(controls_[i]) == id) {
                return i;
            }
        }
        ADD_FAILURE() << "no control " << id;
        return 0;
    }

    const RECT& RectOf(int id) const { return rects_[IndexOf(id)]; }
};

// Next to it: on the same row with at most four dialog units between them,
// or just above it, overlapping it across (a pixel more for the rounding of
// position and size apart).
TEST_P(ParametersLayoutTest, EachLabelComesRightBeforeItsControlAndStandsNextToIt)
{
    const POINT units = Units(4, 4);
    const POINT gap{units.x + 1, units.y + 1};
    const std::pair<int, int> labelled[] = {
        {IDC_ACTION_LABEL, IDC_ACTION},   {IDC_HOURS_LABEL, IDC_HOURS},
        {IDC_MINUTES_LABEL, IDC_MINUTES}, {IDC_SECONDS_LABEL, IDC_SECONDS},
        {IDC_PASSWORD_LABEL, IDC_PASSWORD}, {IDC_PASSWORD_REPEAT_LABEL, IDC_PASSWORD_REPEAT},
    };
    for (const auto& [labelId, controlId] : labelled) {
        SCOPED_TRACE("label " + std::to_string(labelId));
        EXPECT_TRUE(IsStaticOfType(controls_[IndexOf(labelId)], SS_LEFT));
        EXPECT_EQ(IndexOf(labelId) + 1, IndexOf(controlId)) << "the label does not come right before its control";

        const RECT& label = RectOf(labelId);
        const RECT& control = RectOf(controlId);
        const bool sameRow = label.top < control.bottom && control.top < label.bottom;
        const LONG across = std::max(control.left - label.right, label.left - control.right);
        const bool beside = sameRow && across >= 0 && across <= gap.x;
        const bool overlapsAcross = label.left < control.right && control.left < label.right;
        const LONG down = control.top - label.bottom;
        const bool above = overlapsAcross && down >= 0 && down <= gap.y;
        EXPECT_TRUE(beside || above) << "the label stands apart from its control";
    }
}

TEST_P(ParametersLayoutTest, DelayListsShareARowLeftToRightInTabOrder)
{
    const int lists[] = {IDC_HOURS, IDC_MINUTES, IDC_SECONDS};
    for (std::size_t k = 1; k < std::size(lists); ++k) {
        EXPECT_EQ(RectOf(lists[k]).top, RectOf(lists[0]).top);
        EXPECT_GT(RectOf(lists[k]).left, RectOf(lists[k - 1]).right);
        EXPECT_GT(IndexOf(lists[k]), IndexOf(lists[k - 1]));
    }
}

// The box that asks for a password stands above the two password boxes and
// before them in tab order; the boxes and their labels form two columns.
TEST_P(ParametersLayoutTest, PasswordBoxesFormAColumnBelowTheirCheckBox)
{
    const RECT& check = RectOf(IDC_USE_PASSWORD);
    const RECT& first = RectOf(IDC_PASSWORD);
    const RECT& repeat = RectOf(IDC_PASSWORD_REPEAT);
    EXPECT_LE(check.bottom, first.top);
    EXPECT_LT(IndexOf(IDC_USE_PASSWORD), IndexOf(IDC_PASSWORD_LABEL));
    EXPECT_LE(first.bottom, repeat.top);
    EXPECT_EQ(first.left, repeat.left);
    EXPECT_EQ(first.right, repeat.right);
    EXPECT_EQ(RectOf(IDC_PASSWORD_LABEL).left, RectOf(IDC_PASSWORD_REPEAT_LABEL).left);
}

INSTANTIATE_TEST_SUITE_P(Program, ParametersLayoutTest, ::testing::Values(IDD_PARAMETERS),
                         [](const ::testing::TestParamInfo<int>&) { return std::string("Parameters"); });

// --- Pictures ------------------------------------------------------------------

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
