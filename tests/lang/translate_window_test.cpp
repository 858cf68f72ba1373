#include "lang/translate_window.h"

#include "support/owned_window.h"
#include "support/temp_folder.h"
#include "ui/window_text.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace {

constexpr char kParentClass[] = "TolvrinTranslateTestParent";

const char kLanguageFile[] =
    "[String]\r\n"
    "_EnterParams=Enter the run\r\n"
    "_Cancel=Stop\r\n"
    "OK=Okay\r\n"
    "_Info=Line one\\r\\nLine two\r\n"
    "_Hide=\r\n"
    "_Group=Timer\r\n"
    "_Inner=Hours\r\n";

// Counts the WM_SETTEXT a window receives; the subclass goes with the window.
LRESULT CALLBACK CountSetText(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                              UINT_PTR id, DWORD_PTR counter)
{
    if (message == WM_SETTEXT) {
        ++*reinterpret_cast<int*>(counter);
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, CountSetText, id);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

// A top-level window holding the kinds of controls a dialog has, one of them
// inside another, each counting the texts set on it.
class TranslateWindowTest : public ::testing::Test {
protected:
    enum Control { Cancel, Ok, PlainCancel, Info, Edit, Hide, Group, Inner, ControlCount };

    void SetUp() override
    {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kParentClass;
        RegisterClassExA(&windowClass);  // fails harmlessly when already registered

        parent_.Reset(CreateWindowExA(0, kParentClass, "_EnterParams", WS_OVERLAPPEDWINDOW, 0, 0,
                                      400, 300, nullptr, nullptr, GetModuleHandleA(nullptr),
                                      nullptr));
        ASSERT_NE(parent_.Get(), nullptr);
        Watch(parent_.Get(), &parentSetTexts_);
        AddControl(Cancel, "BUTTON", "_Cancel", BS_PUSHBUTTON, parent_.Get());
        AddControl(Ok, "BUTTON", "OK", BS_DEFPUSHBUTTON, parent_.Get());
        AddControl(PlainCancel, "BUTTON", "Cancel", BS_PUSHBUTTON, parent_.Get());
        AddControl(Info, "STATIC", "_Info", SS_LEFT, parent_.Get());
        AddControl(Edit, "EDIT", "", ES_AUTOHSCROLL, parent_.Get());
        AddControl(Hide, "STATIC", "_Hide", SS_LEFT, parent_.Get());
        AddControl(Group, "STATIC", "_Group", SS_LEFT, parent_.Get());
        AddControl(Inner, "STATIC", "_Inner", SS_LEFT, controls_[Group]);
        ASSERT_EQ(GetParent(controls_[Inner]), controls_[Group]);
    }

    void UseLanguageFile(const std::string& content)
    {
        ASSERT_FALSE(folder_.Path().empty());
        const std::string path = folder_.Write("Timer.lng", content);
        ASSERT_FALSE(path.empty());
        table_.SetFile(path);
    }

    // Translates the window with the test's language file.
    BOOL Translate()
    {
        UseLanguageFile(kLanguageFile);
        return table_.TranslateWindow(parent_.Get());
    }

    std::string Text(Control control) const { return WindowText(controls_[control]); }

    test_support::TempFolder folder_;
    LanguageTable table_;
    int parentSetTexts_ = 0;
    int setTexts_[ControlCount] = {};
    HWND controls_[ControlCount] = {};
    test_support::OwnedWindow parent_;  // last: its controls go before the counters do

private:
    void Watch(HWND window, int* counter)
    {
        ASSERT_TRUE(SetWindowSubclass(window, CountSetText, 1, reinterpret_cast<DWORD_PTR>(counter)));
    }

    void AddControl(Control control, const char* windowClass, const char* text, DWORD style,
                    HWND parent)
    {
        controls_[control] = CreateWindowExA(0, windowClass, text, WS_CHILD | WS_VISIBLE | style,
                                             10, 10 + 30 * control, 200, 40, parent,
                                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + control)),
                                             GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(controls_[control], nullptr) << text;
        Watch(controls_[control], &setTexts_[control]);
    }
};

TEST_F(TranslateWindowTest, CaptionAndControlsShowTheirLanguageTexts)
{
    EXPECT_NE(Translate(), FALSE);
    EXPECT_EQ(WindowText(parent_.Get()), "Enter the run");
    EXPECT_EQ(Text(Cancel), "Stop");
    EXPECT_EQ(Text(Ok), "Okay");
}

TEST_F(TranslateWindowTest, TextWithoutEntryIsSetAgainUnchanged)
{
    Translate();
    EXPECT_EQ(Text(PlainCancel), "Cancel");
    EXPECT_EQ(setTexts_[PlainCancel], 1);
    EXPECT_EQ(Text(Hide), "_Hide");  // an empty entry counts as none
}

TEST_F(TranslateWindowTest, EscapedLineBreakGivesTwoLines)
{
    Translate();
    EXPECT_EQ(Text(Info), "Line one\r\nLine two");
}

TEST_F(TranslateWindowTest, ControlWithoutTextIsLeftAlone)
{
    Translate();
    EXPECT_EQ(Text(Edit), "");
    EXPECT_EQ(setTexts_[Edit], 0);
}

TEST_F(TranslateWindowTest, WindowsInsideControlsAreTranslatedToo)
{
    Translate();
    EXPECT_EQ(Text(Group), "Timer");
    EXPECT_EQ(Text(Inner), "Hours");
}

TEST_F(TranslateWindowTest, WithoutLanguageFileEveryWindowKeepsItsKeySetOnce)
{
    table_.SetFile(folder_.PathOf("Missing.lng"));
    table_.TranslateWindow(parent_.Get());
    EXPECT_EQ(WindowText(parent_.Get()), "_EnterParams");
    EXPECT_EQ(parentSetTexts_, 1);
    const char* const keys[ControlCount] = {"_Cancel", "OK", "Cancel", "_Info", "", "_Hide",
                                            "_Group", "_Inner"};
    for (int control = 0; control < ControlCount; ++control) {
        EXPECT_EQ(Text(static_cast<Control>(control)), keys[control]);
        EXPECT_EQ(setTexts_[control], keys[control][0] == '\0' ? 0 : 1) << keys[control];
    }
}

TEST_F(TranslateWindowTest, NullWindowTranslatesNothing)
{
    // A null parent would make EnumChildWindows visit every top-level window.
    UseLanguageFile(kLanguageFile);
    EXPECT_EQ(table_.TranslateWindow(nullptr), FALSE);
    EXPECT_EQ(WindowText(parent_.Get()), "_EnterParams");
    EXPECT_EQ(parentSetTexts_, 0);
}

TEST_F(TranslateWindowTest, TranslateChildWithNullContextChangesNothing)
{
    UseLanguageFile(kLanguageFile);
    EXPECT_EQ(TranslateChild(controls_[Cancel], 0), TRUE);
    EXPECT_EQ(Text(Cancel), "_Cancel");
    EXPECT_EQ(setTexts_[Cancel], 0);
}

TEST_F(TranslateWindowTest, TranslateChildTranslatesThatWindowOnly)
{
    UseLanguageFile(kLanguageFile);
    EXPECT_EQ(TranslateChild(controls_[Group], reinterpret_cast<LPARAM>(&table_)), TRUE);
    EXPECT_EQ(Text(Group), "Timer");
    EXPECT_EQ(Text(Inner), "_Inner");
}

}  // namespace
