#include "controls/text_label.h"

#include <gtest/gtest.h>

#include <string>

#include "resource.h"
#include "support/message_pump.h"
#include "support/host_dialog.h"
#include "support/owned_window.h"
#include "text/wide_text.h"

namespace {

constexpr COLORREF kInfoColour = RGB(180, 70, 0);

LOGFONTA LogFontOf(HFONT font)
{
    LOGFONTA logFont{};
    EXPECT_EQ(static_cast<int>(sizeof logFont), ::GetObjectA(font, sizeof logFont, &logFont));
    return logFont;
}

std::string WindowTextOf(HWND window)
{
    char buffer[256] = {};
    ::GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

// The countdown window's template, shown (not activated) so that it paints:
// its control 1001 is the static text a label takes over.
class TextLabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, host_.CreateModeless(IDD_COUNTDOWN, nullptr));
        ::SetWindowPos(host_.Handle(), HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        control_ = host_.Item(IDC_INFO);
        ASSERT_NE(nullptr, control_);
    }

    void TearDown() override
    {
        if (host_.Handle() != nullptr) {
            ::DestroyWindow(host_.Handle());
        }
        test_support::PumpPendingMessages();
    }

    // Repaints the dialog and its children now, then counts the label's
    // pixels of one colour as they show on screen.
    int CountLabelPixels(COLORREF colour)
    {
        ::RedrawWindow(host_.Handle(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        test_support::PumpPendingMessages();
        RECT client{};
        ::GetClientRect(control_, &client);
        const HDC dc = ::GetDC(control_);
        int count = 0;
        for (int y = client.top; y < client.bottom; ++y) {
            for (int x = client.left; x < client.right; ++x) {
                if (::GetPixel(dc, x, y) == colour) {
                    ++count;
                }
            }
        }
        ::ReleaseDC(control_, dc);
        return count;
    }

    // The label attached, showing "MW" in large letters of the information
    // colour, ready for its pixels to be counted.
    void AttachShowingLargeLetters()
    {
        ASSERT_TRUE(label_.Attach(control_));
        UseLargeFont();
        label_.SetTextColour(kInfoColour);
        ::SetWindowTextA(control_, "MW");
    }

    // Large, heavy letters: their inside is painted in the plain text
    // colour whatever the font smoothing.
    void UseLargeFont()
    {
        LOGFONTA logFont = LogFontOf(label_.Font());
        logFont.lfHeight = -36;
        logFont.lfWeight = FW_HEAVY;
        label_.ReplaceFont(logFont);
    }

    TextLabel label_;
    test_support::HostDialog host_;
    HWND control_ = nullptr;
};

TEST_F(TextLabelTest, AttachTakesTheControlsText)
{
    EXPECT_TRUE(label_.Attach(control_));
    EXPECT_TRUE(label_.IsAttached());
    EXPECT_EQ(control_, label_.Handle());
    EXPECT_EQ("_Info", label_.Text());
}

TEST_F(TextLabelTest, SetTextChangesTheLabelAndTheWindowTextThatScreenReadersRead)
{
    ASSERT_TRUE(label_.Attach(control_));
    ::SetWindowTextA(control_, "Shut down in 0:01:00");
    EXPECT_EQ("Shut down in 0:01:00", label_.Text());
    EXPECT_EQ("Shut down in 0:01:00", WindowTextOf(control_));
}

TEST_F(TextLabelTest, NullTextGivesTheEmptyText)
{
    ASSERT_TRUE(label_.Attach(control_));
    ::SendMessageA(control_, WM_SETTEXT, 0, 0);
    EXPECT_EQ("", label_.Text());
    EXPECT_EQ("", WindowTextOf(control_));
}

TEST_F(TextLabelTest, SetTextInvalidatesTheParentUnderTheLabelAndTheLabel)
{
    ASSERT_TRUE(label_.Attach(control_));
    test_support::PumpPendingMessages();
    ::ValidateRect(host_.Handle(), nullptr);
    ::ValidateRect(control_, nullptr);

    ::SetWindowTextA(control_, label_.Text().c_str());  // the same text repaints too

    RECT labelUpdate{};
    EXPECT_TRUE(::GetUpdateRect(control_, &labelUpdate, FALSE));
    RECT client{};
    ::GetClientRect(control_, &client);
    EXPECT_TRUE(::EqualRect(&client, &labelUpdate));

    RECT inParent{};
    ::GetWindowRect(control_, &inParent);
    ::MapWindowPoints(HWND_DESKTOP, host_.Handle(), reinterpret_cast<POINT*>(&inParent), 2);
    const HRGN parentUpdate = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, ::GetUpdateRgn(host_.Handle(), parentUpdate, FALSE));
    EXPECT_TRUE(::PtInRegion(parentUpdate, inParent.left, inParent.top));
    EXPECT_TRUE(::PtInRegion(parentUpdate, inParent.right - 1, inParent.bottom - 1));
    ::DeleteObject(parentUpdate);
}

TEST_F(TextLabelTest, FontIsTheDialogsFontAtWeight900)
{
    const auto dialogFont = reinterpret_cast<HFONT>(::SendMessageA(host_.Handle(), WM_GETFONT, 0, 0));
    ASSERT_NE(nullptr, dialogFont);
    ASSERT_TRUE(label_.Attach(control_));
    ASSERT_NE(nullptr, label_.Font());
    EXPECT_NE(dialogFont, label_.Font());

    const LOGFONTA dialogLogFont = LogFontOf(dialogFont);
    const LOGFONTA labelLogFont = LogFontOf(label_.Font());
    EXPECT_EQ(900, labelLogFont.lfWeight);
    EXPECT_EQ(dialogLogFont.lfHeight, labelLogFont.lfHeight);
    EXPECT_STREQ(dialogLogFont.lfFaceName, labelLogFont.lfFaceName);
    // The dialog's own font is left as it was.
    EXPECT_NE(900, LogFontOf(dialogFont).lfWeight);
}

TEST_F(TextLabelTest, ReplaceFontKeepsTheNewFont)
{
    ASSERT_TRUE(label_.Attach(control_));
    const HFONT first = label_.Font();
    LOGFONTA logFont = LogFontOf(first);
    logFont.lfWeight = 0;
    const HFONT second = label_.ReplaceFont(logFont);
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(second, label_.Font());
    EXPECT_EQ(0, LogFontOf(second).lfWeight);
    if (second != first) {
        EXPECT_EQ(0u, ::GetObjectType(first)) << "the previous font is deleted";
    }
}

TEST_F(TextLabelTest, AttachRefusesNoWindowAndASecondControl)
{
    EXPECT_FALSE(label_.Attach(nullptr));
    EXPECT_FALSE(label_.IsAttached());
    EXPECT_EQ(nullptr, label_.Font());

    ASSERT_TRUE(label_.Attach(control_));
    EXPECT_FALSE(label_.Attach(host_.Item(IDCANCEL)));
    EXPECT_EQ(control_, label_.Handle());
    EXPECT_EQ("_Info", label_.Text());
}

// On Windows every label under comctl32's subclass chain gets its text as
// UTF-16; a Unicode static control does so under Wine too. The label keeps
// it in the process's code page either way.
TEST(UnicodeTextLabelTest, TakesTextSentEitherWay)
{
    test_support::OwnedWindow parent(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 100, nullptr,
                                                       nullptr, ::GetModuleHandleW(nullptr), nullptr));
    const HWND control = ::CreateWindowExW(0, L"STATIC", L"first", WS_CHILD, 0, 0, 200, 40, parent.Get(), nullptr,
                                           ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(control, nullptr);
    TextLabel label;
    ASSERT_TRUE(label.Attach(control));
    EXPECT_EQ(label.Text(), "first");

    ::SetWindowTextA(control, "sent as ANSI");
    EXPECT_EQ(label.Text(), "sent as ANSI");
    const std::wstring wide = L"Gr\u00FC\u00DFe";
    ::SetWindowTextW(control, wide.c_str());
    EXPECT_EQ(label.Text(), ToCodePage(wide));
    EXPECT_EQ(WindowTextOf(control), ToCodePage(wide)) << "the window text follows";
    ::SendMessageW(control, WM_SETTEXT, 0, 0);
    EXPECT_EQ(label.Text(), "");
}

TEST(TextLabelColourTest, IsBlackUntilTheOwnerSetsIt)
{
    TextLabel label;
    EXPECT_EQ(label.TextColour(), RGB(0, 0, 0));
    label.SetTextColour(kInfoColour);
    EXPECT_EQ(label.TextColour(), kInfoColour);
}

TEST_F(TextLabelTest, EnabledLabelPaintsInItsTextColour)
{
    AttachShowingLargeLetters();
    EXPECT_GT(CountLabelPixels(kInfoColour), 20);
    EXPECT_EQ(0, CountLabelPixels(::GetSysColor(COLOR_GRAYTEXT)));
}

TEST_F(TextLabelTest, DisabledLabelPaintsInGreyTextAndEnablingRestoresTheColour)
{
    AttachShowingLargeLetters();

    ::EnableWindow(control_, FALSE);
    EXPECT_GT(CountLabelPixels(::GetSysColor(COLOR_GRAYTEXT)), 20);
    EXPECT_EQ(0, CountLabelPixels(kInfoColour));

    ::EnableWindow(control_, TRUE);
    EXPECT_GT(CountLabelPixels(kInfoColour), 20);
}

TEST_F(TextLabelTest, EmptyTextPaintsNothing)
{
    AttachShowingLargeLetters();
    ASSERT_GT(CountLabelPixels(kInfoColour), 20);

    ::SetWindowTextA(control_, "");
    EXPECT_EQ(0, CountLabelPixels(kInfoColour));
}

TEST_F(TextLabelTest, DestroyingTheDialogReleasesTheControl)
{
    ASSERT_TRUE(label_.Attach(control_));
    ::DestroyWindow(host_.Handle());
    EXPECT_FALSE(label_.IsAttached());
    EXPECT_EQ(nullptr, label_.Handle());
    EXPECT_EQ("_Info", label_.Text());
    EXPECT_NE(nullptr, label_.Font());
}

TEST_F(TextLabelTest, LabelDestroyedBeforeItsControlGivesTheControlBack)
{
    const LONG_PTR staticProcedure = ::GetWindowLongPtrA(control_, GWLP_WNDPROC);
    {
        TextLabel shortLived;
        ASSERT_TRUE(shortLived.Attach(control_));
    }
    EXPECT_EQ(staticProcedure, ::GetWindowLongPtrA(control_, GWLP_WNDPROC));
    ::SetWindowTextA(control_, "plain again");
    EXPECT_EQ("plain again", WindowTextOf(control_));
}

// A parent that answers WM_GETFONT with null: the label falls back to the
// default GUI font rather than painting with nothing.
TEST(TextLabelWithoutParentFontTest, UsesTheDefaultGuiFont)
{
    const HWND parent = ::CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                          ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, parent);
    const HWND child = ::CreateWindowExA(0, "Static", "Heading", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, parent,
                                         nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, child);
    ASSERT_EQ(0, ::SendMessageA(parent, WM_GETFONT, 0, 0));

    TextLabel label;
    ASSERT_TRUE(label.Attach(child));
    ASSERT_NE(nullptr, label.Font());
    const LOGFONTA defaultGui = LogFontOf(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    const LOGFONTA labelFont = LogFontOf(label.Font());
    EXPECT_STREQ(defaultGui.lfFaceName, labelFont.lfFaceName);
    EXPECT_EQ(defaultGui.lfHeight, labelFont.lfHeight);
    EXPECT_EQ(900, labelFont.lfWeight);
    EXPECT_EQ("Heading", label.Text());

    ::DestroyWindow(parent);
    EXPECT_FALSE(label.IsAttached());
}

}  // namespace
