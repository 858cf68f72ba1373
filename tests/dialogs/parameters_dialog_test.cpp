#include "dialogs/parameters_dialog.h"

#include "lang/language_table.h"
#include "resource.h"
#include "support/modal_step.h"
#include "support/program_process.h"
#include "support/temp_folder.h"
#include "support/window_finder.h"
#include "text/wide_text.h"
#include "ui/placement.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// What a dialog that the test left open ends with, so that a failed step
// never leaves the test waiting for a window nobody closes.
constexpr INT_PTR kLeftOpen = 1000;
constexpr DWORD kLeftOpenTimeoutMs = 5000;

constexpr char kLanguage[] =
    "[String]\r\n"
    "_AppName=Test Manager\r\n"
    "_PswsNotMatched=The passwords differ.\r\n"
    "_InvalidPsw=Wrong password.\r\n"
    "_EmptyPsw=Type it twice, or untick the box.\r\n"
    "_PswNotInCodePage=Not a password for this system.\r\n"
    "_EnterParams=Choose a run\r\n"
    "_cbstandby=Stand by\r\n"
    "_cbHibernate=Hibernate\r\n"
    "_cbShutdownpc=Shut down\r\n"
    "_cbLogoffWindows=Log off\r\n"
    "_cbRestartWindows=Restart\r\n"
    "_cbPowerOffPC=Power off\r\n";

using test_support::AnswerMessageBox;
using test_support::FindMessageBoxOwnedBy;
using test_support::MessageBoxAnswer;
using test_support::ModalStep;

class ParametersDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousLanguageFile_ = TheLanguageTable().FilePath();
        UseLanguage(kLanguage);
    }

    void TearDown() override { TheLanguageTable().SetFile(previousLanguageFile_); }

    void UseLanguage(const std::string& content)
    {
        const std::string path = folder_.Write("test.lng", content);
        ASSERT_FALSE(path.empty());
        TheLanguageTable().SetFile(path);
    }

    // Runs the dialog from template 202 modally and calls `drive` once with
    // its window. A dialog that `drive` leaves open ends with kLeftOpen.
    INT_PTR RunDialog(const std::function<void(HWND)>& drive)
    {
        ParametersDialog dialog(run_);
        const auto exists = [&dialog] { return dialog.Handle() != nullptr; };
        ModalStep leftOpen(exists, [&dialog] { ::EndDialog(dialog.Handle(), kLeftOpen); }, kLeftOpenTimeoutMs);
        // DialogBoxParam shows the dialog once its queue is empty; a user only
        // ever meets it shown.
        ModalStep start([&] { return exists() && ::IsWindowVisible(dialog.Handle()); },
                        [&] { drive(dialog.Handle()); });
        return dialog.Run(nullptr);
    }

    // Presses OK and answers the message box it may open.
    static MessageBoxAnswer PressOkAnsweringMessageBox(HWND dialog)
    {
        MessageBoxAnswer answer;
        ModalStep closer([dialog] { return FindMessageBoxOwnedBy(dialog) != nullptr; },
                         [&] { answer = AnswerMessageBox(FindMessageBoxOwnedBy(dialog)); });
        Click(dialog, IDOK);
        return answer;
    }

    static void Click(HWND dialog, int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    static void Select(HWND dialog, int id, int index)
    {
        ::SendMessageA(::GetDlgItem(dialog, id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    static void Type(HWND dialog, int id, const char* text) { ::SetDlgItemTextA(dialog, id, text); }
    static std::string Text(HWND dialog, int id)
    {
        char text[256] = {};
        ::GetDlgItemTextA(dialog, id, text, sizeof text);
        return text;
    }
    static bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }

    void ExpectRunUntouched() const
    {
        EXPECT_EQ(run_.action, ShutdownAction::PowerOff);
        EXPECT_EQ(run_.delaySeconds, 77);
        EXPECT_EQ(run_.password, "before");
    }

    // A run unlike the dialog's default, so that a store shows.
    RunParameters run_{ShutdownAction::PowerOff, 77, "before"};
    test_support::TempFolder folder_;
    std::wstring previousLanguageFile_;
};

// The first password box has the focus with its whole text (`length`
// characters) selected, ready to be typed again.
void ExpectPasswordSelectedForRetyping(HWND dialog, DWORD length)
{
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(dialog, IDC_PASSWORD));
    DWORD start = 1;
    DWORD end = 0;
    ::SendDlgItemMessageA(dialog, IDC_PASSWORD, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                          reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, length);
}

TEST_F(ParametersDialogTest, OkAtOnceStoresShutdownAfterOneHourWithoutPassword)
{
    const INT_PTR result = RunDialog([](HWND dialog) { Click(dialog, IDOK); });

    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(run_.action, ShutdownAction::Shutdown);
    EXPECT_EQ(run_.delaySeconds, 3600);
    EXPECT_EQ(run_.password, "");
}

TEST_F(ParametersDialogTest, OpensWithDefaultsAndDisabledPasswordArea)
{
    RunDialog([](HWND dialog) {
        char caption[64] = {};
        ::GetWindowTextA(dialog, caption, sizeof caption);
        EXPECT_STREQ(caption, "Choose a run");
        EXPECT_EQ(Text(dialog, IDC_ACTION), "Shut down");
        EXPECT_EQ(Text(dialog, IDC_HOURS), "1");
        EXPECT_EQ(Text(dialog, IDC_MINUTES), "0");
        EXPECT_EQ(Text(dialog, IDC_SECONDS), "0");
        EXPECT_EQ(::SendDlgItemMessageA(dialog, IDC_HOURS, CB_GETCOUNT, 0, 0), 24);
        EXPECT_EQ(::SendDlgItemMessageA(dialog, IDC_MINUTES, CB_GETCOUNT, 0, 0), 60);
        EXPECT_EQ(::SendDlgItemMessageA(dialog, IDC_SECONDS, CB_GETCOUNT, 0, 0), 60);
        EXPECT_EQ(::IsDlgButtonChecked(dialog, IDC_USE_PASSWORD), BST_UNCHECKED);
        for (int id : {IDC_PASSWORD, IDC_PASSWORD_REPEAT, IDC_PASSWORD_LABEL, IDC_PASSWORD_REPEAT_LABEL}) {
            EXPECT_FALSE(Enabled(dialog, id)) << id;
        }
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(dialog, IDOK));
        Click(dialog, IDCANCEL);
    });
}

TEST_F(ParametersDialogTest, ZeroDelayIsAccepted)
{
    const INT_PTR result = RunDialog([](HWND dialog) {
        Select(dialog, IDC_HOURS, 0);
        Click(dialog, IDOK);
    });

    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(run_.delaySeconds, 0);
}

TEST_F(ParametersDialogTest, LongestDelayIs86399Seconds)
{
    RunDialog([](HWND dialog) {
        Select(dialog, IDC_ACTION, 0);
        Select(dialog, IDC_HOURS, 23);
        Select(dialog, IDC_MINUTES, 59);
        Select(dialog, IDC_SECONDS, 59);
        Click(dialog, IDOK);
    });

    EXPECT_EQ(run_.action, ShutdownAction::Standby);
    EXPECT_EQ(run_.delaySeconds, 86399);
}

TEST_F(ParametersDialogTest, PasswordBoxEnablesAndDisablesThePasswordAreaKeepingTexts)
{
    const INT_PTR result = RunDialog([](HWND dialog) {
        const int area[] = {IDC_PASSWORD, IDC_PASSWORD_REPEAT, IDC_PASSWORD_LABEL, IDC_PASSWORD_REPEAT_LABEL};
        Click(dialog, IDC_USE_PASSWORD);
        for (int id : area) {
            EXPECT_TRUE(Enabled(dialog, id)) << id;
        }
        Type(dialog, IDC_PASSWORD, "first");
        Type(dialog, IDC_PASSWORD_REPEAT, "second");

        Click(dialog, IDC_USE_PASSWORD);
        for (int id : area) {
            EXPECT_FALSE(Enabled(dialog, id)) << id;
        }
        EXPECT_EQ(Text(dialog, IDC_PASSWORD), "first");
        EXPECT_EQ(Text(dialog, IDC_PASSWORD_REPEAT), "second");
        // Cleared, the box stores no password however the boxes differ.
        EXPECT_FALSE(PressOkAnsweringMessageBox(dialog).seen);
    });

    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(run_.password, "");
}

TEST_F(ParametersDialogTest, MatchingPasswordsAreStored)
{
    RunDialog([](HWND dialog) {
        Click(dialog, IDC_USE_PASSWORD);
        Type(dialog, IDC_PASSWORD, "s3cret word");
        Type(dialog, IDC_PASSWORD_REPEAT, "s3cret word");
        Click(dialog, IDOK);
    });

    EXPECT_EQ(run_.password, "s3cret word");
}

TEST_F(ParametersDialogTest, MismatchShowsMessageEmptiesRepeatAndSelectsFirstBox)
{
    const INT_PTR result = RunDialog([](HWND dialog) {
        Click(dialog, IDC_USE_PASSWORD);
        Type(dialog, IDC_PASSWORD, "secret");
        Type(dialog, IDC_PASSWORD_REPEAT, "SECRET");

        const MessageBoxAnswer answer = PressOkAnsweringMessageBox(dialog);

        EXPECT_TRUE(answer.seen);
        EXPECT_EQ(answer.text, "The passwords differ.");
        EXPECT_EQ(answer.caption, "Test Manager");
        EXPECT_TRUE(::IsWindow(dialog));
        EXPECT_EQ(::IsDlgButtonChecked(dialog, IDC_USE_PASSWORD), BST_CHECKED);
        EXPECT_EQ(Text(dialog, IDC_PASSWORD), "secret");
        EXPECT_EQ(Text(dialog, IDC_PASSWORD_REPEAT), "");
        ExpectPasswordSelectedForRetyping(dialog, 6);

        // Corrected, the same OK goes through.
        Type(dialog, IDC_PASSWORD_REPEAT, "secret");
        EXPECT_FALSE(PressOkAnsweringMessageBox(dialog).seen);
    });

    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(run_.password, "secret");
}

TEST_F(ParametersDialogTest, CheckedBoxWithBothPasswordsEmptyAsksForOneAndStaysOpen)
{
    const INT_PTR result = RunDialog([](HWND dialog) {
        Click(dialog, IDC_USE_PASSWORD);
        const MessageBoxAnswer answer = PressOkAnsweringMessageBox(dialog);
        EXPECT_TRUE(answer.seen);
        EXPECT_EQ(answer.text, "Type it twice, or untick the box.");
        EXPECT_EQ(answer.caption, "Test Manager");
        EXPECT_TRUE(::IsWindow(dialog));
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(dialog, IDC_PASSWORD));

        // Cleared, the box asks for nothing: the run is unprotected.
        Click(dialog, IDC_USE_PASSWORD);
        EXPECT_FALSE(PressOkAnsweringMessageBox(dialog).seen);
    });

    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(run_.password, "");
}

TEST_F(ParametersDialogTest, PasswordTheCodePageCannotHoldIsRefusedWithItsOwnMessage)
{
    // "Łódź": code page 1252 holds "ó" but neither "Ł" nor "ź".
    const std::wstring polish = L"\x0141\x00F3\x0064\x017A";
    std::string converted;
    if (ToCodePageExactly(polish, converted)) {
        GTEST_SKIP() << "the system's code page holds Polish letters";
    }
    const INT_PTR result = RunDialog([&polish](HWND dialog) {
        Click(dialog, IDC_USE_PASSWORD);
        ::SetDlgItemTextW(dialog, IDC_PASSWORD, polish.c_str());
        ::SetDlgItemTextW(dialog, IDC_PASSWORD_REPEAT, polish.c_str());

        const MessageBoxAnswer answer = PressOkAnsweringMessageBox(dialog);

        EXPECT_TRUE(answer.seen);
        EXPECT_EQ(answer.text, "Not a password for this system.");
        EXPECT_TRUE(::IsWindow(dialog));
        EXPECT_EQ(Text(dialog, IDC_PASSWORD_REPEAT), "");
        ExpectPasswordSelectedForRetyping(dialog, 4);

        // Typed without the letters the code page lacks, it goes through.
        const std::wstring plain = L"L\x00F3\x0064z";
        ::SetDlgItemTextW(dialog, IDC_PASSWORD, plain.c_str());
        ::SetDlgItemTextW(dialog, IDC_PASSWORD_REPEAT, plain.c_str());
        EXPECT_FALSE(PressOkAnsweringMessageBox(dialog).seen);
    });

    EXPECT_EQ(result, IDOK);
    std::string expected;
    ASSERT_TRUE(ToCodePageExactly(L"L\x00F3\x0064z", expected));
    EXPECT_EQ(run_.password, expected);
}

TEST_F(ParametersDialogTest, EscCloseBoxAndCancelEndWith2AndStoreNothing)
{
    const std::pair<const char*, std::function<void(HWND)>> ways[] = {
        {"Esc",
         [](HWND dialog) {
             // Through the dialog's own loop, whose IsDialogMessage turns
             // Esc into IDCANCEL.
             const HWND focus = ::GetFocus() != nullptr ? ::GetFocus() : dialog;
             ::PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 0);
         }},
        {"close box", [](HWND dialog) { ::PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"Cancel", [](HWND dialog) { Click(dialog, IDCANCEL); }},
    };
    for (const auto& [name, way] : ways) {
        SCOPED_TRACE(name);
        const INT_PTR result = RunDialog([&way](HWND dialog) {
            Click(dialog, IDC_USE_PASSWORD);
            Type(dialog, IDC_PASSWORD, "x");
            Type(dialog, IDC_PASSWORD_REPEAT, "x");
            Select(dialog, IDC_ACTION, 0);
            way(dialog);
        });
        EXPECT_EQ(result, IDCANCEL);
        ExpectRunUntouched();
    }
}

TEST_F(ParametersDialogTest, EnterPressesTheFocusedButtonHoweverTheFocusGotThere)
{
    const INT_PTR result = RunDialog([](HWND dialog) {
        HWND cancel = ::GetDlgItem(dialog, IDCANCEL);
        ::SetFocus(cancel);
        ::PostMessageA(cancel, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    });
    EXPECT_EQ(result, IDCANCEL);
    ExpectRunUntouched();
}

TEST_F(ParametersDialogTest, WithoutLanguageFileListsShowKeysAndStoreTheirOwnValues)
{
    TheLanguageTable().SetFile(folder_.PathOf("missing.lng"));
    const char* keys[] = {"_cbstandby",       "_cbHibernate",      "_cbShutdownpc",
                          "_cbLogoffWindows", "_cbRestartWindows", "_cbPowerOffPC"};
    for (int index = 0; index < 6; ++index) {
        SCOPED_TRACE(index);
        RunDialog([&](HWND dialog) {
            char text[64] = {};
            ::SendDlgItemMessageA(dialog, IDC_ACTION, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                  reinterpret_cast<LPARAM>(text));
            EXPECT_STREQ(text, keys[index]);
            if (index == 0) {
                EXPECT_EQ(Text(dialog, IDC_ACTION), "_cbShutdownpc");
            }
            Select(dialog, IDC_ACTION, index);
            Click(dialog, IDOK);
        });
        EXPECT_EQ(static_cast<int>(run_.action), index);
    }
}

TEST_F(ParametersDialogTest, TwoActionsWithTheSameTextStoreTheLowerNumberedOne)
{
    UseLanguage("[String]\r\n_cbHibernate=Sleep\r\n_cbLogoffWindows=Sleep\r\n");
    RunDialog([](HWND dialog) {
        Select(dialog, IDC_ACTION, 3);
        Click(dialog, IDOK);
    });

    EXPECT_EQ(run_.action, ShutdownAction::Hibernate);
}

TEST_F(ParametersDialogTest, EarlierActionBeginningWithTheShutdownTextIsTheDefault)
{
    UseLanguage("[String]\r\n_cbHibernate=SHUT DOWN and hibernate\r\n_cbShutdownpc=Shut down\r\n");
    RunDialog([](HWND dialog) {
        EXPECT_EQ(::SendDlgItemMessageA(dialog, IDC_ACTION, CB_GETCURSEL, 0, 0), 1);
        Click(dialog, IDOK);
    });

    EXPECT_EQ(run_.action, ShutdownAction::Hibernate);
}

// The template's layout with the program's own English texts: every control
// lies inside the dialog, none overlaps another, and every text fits.
class ParametersDialogLayoutTest : public ParametersDialogTest {
protected:
    struct Control {
        HWND window;
        int id;
        RECT rect;  // in the dialog's client coordinates
    };

    static std::vector<Control> VisibleControls(HWND dialog)
    {
        std::vector<Control> controls;
        for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
            if (!::IsWindowVisible(child)) {
                continue;
            }
            RECT rect{};
            ::GetWindowRect(child, &rect);
            ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
            controls.push_back({child, ::GetDlgCtrlID(child), rect});
        }
        return controls;
    }

    // Height the text needs when wrapped at `width`, in the given font.
    static int TextHeight(HWND window, HFONT font, int width, UINT format)
    {
        const int length = ::GetWindowTextLengthA(window);
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        ::GetWindowTextA(window, text.data(), length + 1);
        text.resize(static_cast<std::size_t>(length));
        const HDC dc = ::GetDC(window);
        const HGDIOBJ old = ::SelectObject(dc, font);
        RECT rect{0, 0, width, 0};
        ::DrawTextA(dc, text.c_str(), -1, &rect, format | DT_CALCRECT);
        ::SelectObject(dc, old);
        ::ReleaseDC(window, dc);
        return rect.bottom - rect.top;
    }
};

TEST_F(ParametersDialogLayoutTest, EveryControlIsInsideTheDialogAndNoneOverlaps)
{
    RunDialog([](HWND dialog) {
        RECT client{};
        ::GetClientRect(dialog, &client);
        const std::vector<Control> controls = VisibleControls(dialog);
        EXPECT_EQ(controls.size(), 23u);
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const RECT& r = controls[i].rect;
            EXPECT_TRUE(r.left >= client.left && r.top >= client.top && r.right <= client.right &&
                        r.bottom <= client.bottom)
                << "control " << controls[i].id << " at " << r.left << "," << r.top << "," << r.right << ","
                << r.bottom << " outside 0,0," << client.right << "," << client.bottom;
            EXPECT_GT(r.right - r.left, 0) << controls[i].id;
            EXPECT_GT(r.bottom - r.top, 0) << controls[i].id;
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                RECT overlap{};
                EXPECT_FALSE(::IntersectRect(&overlap, &r, &controls[j].rect))
                    << "controls " << controls[i].id << " (#" << i << ") and " << controls[j].id << " (#" << j
                    << ") overlap";
            }
        }
        Click(dialog, IDCANCEL);
    });
}

TEST_F(ParametersDialogLayoutTest, EnglishTextsFitTheirControls)
{
    const std::string languageFile = test_support::TestBinaryFolder() + "\\TolvrinShutdown.lng";
    if (::GetFileAttributesA(languageFile.c_str()) == INVALID_FILE_ATTRIBUTES) {
        GTEST_SKIP() << "the program's language file is not built beside the tests: " << languageFile;
    }
    TheLanguageTable().SetFile(languageFile);

    RunDialog([](HWND dialog) {
        const HFONT font = reinterpret_cast<HFONT>(::SendMessageA(dialog, WM_GETFONT, 0, 0));
        LOGFONTA heavy{};
        ::GetObjectA(font, sizeof heavy, &heavy);
        heavy.lfWeight = 900;
        const HFONT headingFont = ::CreateFontIndirectA(&heavy);

        for (const Control& control : VisibleControls(dialog)) {
            char className[16] = {};
            ::GetClassNameA(control.window, className, sizeof className);
            const LONG style = ::GetWindowLongA(control.window, GWL_STYLE);
            const int width = control.rect.right - control.rect.left;
            const int height = control.rect.bottom - control.rect.top;
            if (lstrcmpiA(className, "Static") == 0 && (style & SS_TYPEMASK) == SS_LEFT) {
                const bool heading = control.id == IDC_ACTION_LABEL || control.id == IDC_TIMER_LABEL;
                EXPECT_LE(TextHeight(control.window, heading ? headingFont : font, width, DT_WORDBREAK), height)
                    << "text of static " << control.id << " is cut off";
            } else if (lstrcmpiA(className, "Button") == 0) {
                // One line beside the check mark, or inside the push button.
                const int room = (style & BS_TYPEMASK) == BS_AUTOCHECKBOX
                                     ? width - ::GetSystemMetrics(SM_CXMENUCHECK) - 4
                                     : width - 4;
                EXPECT_LE(TextHeight(control.window, font, room, DT_WORDBREAK), height)
                    << "text of button " << control.id << " does not fit on one line";
            }
        }
        ::DeleteObject(headingFont);
        Click(dialog, IDCANCEL);
    });
}

TEST_F(ParametersDialogTest, WithoutOwnerIsCenteredInTheWorkArea)
{
    RECT placed{};
    RunDialog([&placed](HWND dialog) {
        ::GetWindowRect(dialog, &placed);
        Click(dialog, IDCANCEL);
    });

    const RECT workArea = ui::WorkArea();
    EXPECT_NEAR(placed.left + placed.right, workArea.left + workArea.right, 2);
    EXPECT_NEAR(placed.top + placed.bottom, workArea.top + workArea.bottom, 2);
}

}  // namespace
