#include "controls/value_combo_box.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "support/owned_window.h"

namespace {

// A hidden top-level window with one control inside, destroyed with the test.
class ValueComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent_.Reset(::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                                        ::GetModuleHandleA(nullptr), nullptr));
        ASSERT_NE(parent_.Get(), nullptr);
        combo_ = CreateChild("COMBOBOX", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST);
        ASSERT_NE(combo_, nullptr);
    }

    HWND CreateChild(const char* className, DWORD style)
    {
        return ::CreateWindowExA(0, className, "", style, 0, 0, 200, 120, parent_.Get(), nullptr,
                                 ::GetModuleHandleA(nullptr), nullptr);
    }

    LRESULT Selection() const { return ::SendMessageA(combo_, CB_GETCURSEL, 0, 0); }

    // Attaches box_ to `window` and adds the items in their order.
    void Fill(HWND window, std::initializer_list<std::pair<const char*, LPARAM>> items)
    {
        ASSERT_TRUE(box_.Attach(window));
        for (const auto& [text, value] : items) {
            ASSERT_TRUE(box_.AddItem(text, value));
        }
    }

    test_support::OwnedWindow parent_;
    HWND combo_ = nullptr;
    ValueComboBox box_;
};

TEST_F(ValueComboBoxTest, SettingTheTextSelectsTheFirstItemBeginningWithItIgnoringCase)
{
    Fill(combo_, {{"Stand by", 0}, {"Shut down", 2}, {"Shut down later", 9}});

    ::SetWindowTextA(combo_, "sHUT");
    EXPECT_EQ(Selection(), 1);
    EXPECT_EQ(::SendMessageA(combo_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("shut down later")), 0);
    EXPECT_EQ(Selection(), 2);
    // Only the selection changed: no item was added or renamed.
    EXPECT_EQ(::SendMessageA(combo_, CB_GETCOUNT, 0, 0), 3);
}

TEST_F(ValueComboBoxTest, TextWithoutMatchingItemLeavesNothingSelected)
{
    Fill(combo_, {{"1", 1}, {"2", 2}});
    ::SetWindowTextA(combo_, "2");
    ASSERT_EQ(Selection(), 1);

    ::SetWindowTextA(combo_, "3");
    EXPECT_EQ(Selection(), CB_ERR);

    ::SetWindowTextA(combo_, "2");
    ::SendMessageA(combo_, WM_SETTEXT, 0, 0);  // a null text
    EXPECT_EQ(Selection(), CB_ERR);
}

TEST_F(ValueComboBoxTest, OtherMessagesReachTheComboBox)
{
    Fill(combo_, {{"Hibernate", 1}, {"Log off", 3}});

    EXPECT_EQ(::SendMessageA(combo_, CB_GETCOUNT, 0, 0), 2);
    ::SendMessageA(combo_, CB_SETCURSEL, 1, 0);
    char text[32] = {};
    EXPECT_EQ(::GetWindowTextA(combo_, text, sizeof text), 7);
    EXPECT_STREQ(text, "Log off");
}

TEST_F(ValueComboBoxTest, WindowWithoutComboStyleBitsKeepsItsOwnTextHandling)
{
    HWND label = CreateChild("STATIC", WS_CHILD | SS_LEFT);
    ASSERT_NE(label, nullptr);
    Fill(label, {});

    ::SetWindowTextA(label, "plain text");
    char text[32] = {};
    ::GetWindowTextA(label, text, sizeof text);
    EXPECT_STREQ(text, "plain text");
}

// On Windows every combo box under comctl32's subclass chain gets its text
// as UTF-16; a Unicode one does so under Wine too.
TEST_F(ValueComboBoxTest, UnicodeComboBoxSelectsByTextSentEitherWay)
{
    const HWND combo = ::CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 0, 200,
                                         120, parent_.Get(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(combo, nullptr);
    Fill(combo, {{"Stand by", 0}, {"Shut down", 2}});

    ::SetWindowTextA(combo, "sHUT");
    EXPECT_EQ(::SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
    ::SetWindowTextW(combo, L"stand");
    EXPECT_EQ(::SendMessageA(combo, CB_GETCURSEL, 0, 0), 0);
    ::SetWindowTextW(combo, L"none");
    EXPECT_EQ(::SendMessageA(combo, CB_GETCURSEL, 0, 0), CB_ERR);
}

TEST_F(ValueComboBoxTest, SelectedItemGivesItsValue)
{
    Fill(combo_, {{"Restart", 4}, {"Power off", 5}});
    EXPECT_EQ(box_.SelectedValue(), std::nullopt) << "nothing selected yet";

    ::SendMessageA(combo_, CB_SETCURSEL, 1, 0);
    EXPECT_EQ(box_.SelectedValue(), 5);
    ::SetWindowTextA(combo_, "Restart");
    EXPECT_EQ(box_.SelectedValue(), 4);
}

// Items the user cannot tell apart stand for one value, the lowest; a text
// that differs only in letter case is another text.
TEST_F(ValueComboBoxTest, ItemsShowingTheSameTextGiveTheLowestOfTheirValues)
{
    Fill(combo_, {{"Same", 3}, {"Other", 2}, {"Same", 1}, {"same", 0}});

    const std::pair<int, LPARAM> selections[] = {{0, 1}, {1, 2}, {2, 1}, {3, 0}};
    for (const auto& [index, value] : selections) {
        SCOPED_TRACE(index);
        ::SendMessageA(combo_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        EXPECT_EQ(box_.SelectedValue(), value);
    }
}

TEST(ValueComboBoxWithoutWindow, TakesNoItemAndHasNoSelection)
{
    ValueComboBox box;
    EXPECT_FALSE(box.AddItem("Stand by", 0));
    EXPECT_EQ(box.SelectedValue(), std::nullopt);
}

}  // namespace
