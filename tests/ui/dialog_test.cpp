#include "ui/dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resource.h"
#include "ui/message_map.h"
#include "ui/reflection.h"
#include "ui/subclass.h"
#include "support/message_pump.h"

namespace {

constexpr UINT kDeclinedThenTaken = WM_APP + 1;
constexpr UINT kAnswered = WM_APP + 2;
constexpr UINT kUnhandled = WM_APP + 3;
constexpr int kModalResult = 42;

// Records what reached its handlers, in order.
class RecordingDialog : public ui::Dialog {
public:
    ~RecordingDialog() override = default;

    std::vector<std::string> events;
    HWND windowAtInit = nullptr;
    LRESULT initResult = TRUE;
    bool endOnOk = false;

protected:
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        static constexpr ui::MessageEntry<RecordingDialog> kMessages[] = {
            {WM_INITDIALOG, 0, &RecordingDialog::OnInitDialog},
            {WM_COMMAND, IDOK, &RecordingDialog::OnOk},
            {WM_COMMAND, IDCANCEL, &RecordingDialog::OnCancel},
            {WM_COMMAND, IDC_HIDE, &RecordingDialog::OnHide},
            {kDeclinedThenTaken, 0, &RecordingDialog::OnDecline},
            {kDeclinedThenTaken, 0, &RecordingDialog::OnTakeOver},
            {kAnswered, 0, &RecordingDialog::OnAnswer},
            {WM_CLOSE, 0, &RecordingDialog::OnDecline},
            {WM_DESTROY, 0, &RecordingDialog::OnDestroy},
        };
        return ui::DispatchMessageTable(*this, kMessages, message, wParam, lParam, result);
    }

    void OnFinalMessage() override { events.push_back(Handle() == nullptr ? "final" : "final with window"); }

private:
    LRESULT OnInitDialog(WPARAM, LPARAM, bool&)
    {
        windowAtInit = Handle();
        events.push_back("init");
        return initResult;
    }
    LRESULT OnOk(WPARAM, LPARAM, bool&)
    {
        events.push_back("ok");
        if (endOnOk) {
            ::EndDialog(Handle(), kModalResult);
        }
        return 0;
    }
    LRESULT OnCancel(WPARAM, LPARAM, bool&)
    {
        events.push_back("cancel");
        return 0;
    }
    LRESULT OnHide(WPARAM, LPARAM, bool&)
    {
        events.push_back("hide");
        return 0;
    }
    LRESULT OnDecline(WPARAM, LPARAM, bool& handled)
    {
        events.push_back("decline");
        handled = false;
        return 0;
    }
    LRESULT OnTakeOver(WPARAM, LPARAM, bool&)
    {
        events.push_back("take over");
        return 99;
    }
    LRESULT OnAnswer(WPARAM, LPARAM, bool&) { return 77; }
    LRESULT OnDestroy(WPARAM, LPARAM, bool&)
    {
        events.push_back("destroy");
        return 0;
    }
};

// Sees what is reflected to a control.
class ReflectionRecorder : public ui::Subclass {
public:
    ~ReflectionRecorder() override = default;

    std::vector<MSG> reflected;
    LRESULT answer = 0;

protected:
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message < ui::kReflectedMessageBase) {
            return false;
        }
        MSG seen{};
        seen.message = message;
        seen.wParam = wParam;
        seen.lParam = lParam;
        reflected.push_back(seen);
        result = answer;
        return true;
    }
};

class ModelessDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window_ = dialog_.CreateModeless(IDD_COUNTDOWN, nullptr);
        ASSERT_NE(nullptr, window_);
        dialog_.events.clear();
    }
    void TearDown() override
    {
        if (dialog_.Handle() != nullptr) {
            ::DestroyWindow(dialog_.Handle());
        }
        test_support::PumpPendingMessages();
    }

    LRESULT Command(int id, WORD code = BN_CLICKED)
    {
        return ::SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, code),
                              reinterpret_cast<LPARAM>(::GetDlgItem(window_, id)));
    }

    RecordingDialog dialog_;
    HWND window_ = nullptr;
};

TEST_F(ModelessDialogTest, BindsItsWindowAtInitDialog)
{
    EXPECT_EQ(window_, dialog_.Handle());
    EXPECT_EQ(window_, dialog_.windowAtInit);
    EXPECT_NE(nullptr, dialog_.Item(IDC_INFO));
}

TEST_F(ModelessDialogTest, CommandEntriesMatchOnlyTheirControlId)
{
    Command(IDC_HIDE);
    EXPECT_EQ(std::vector<std::string>{"hide"}, dialog_.events);

    dialog_.events.clear();
    Command(IDCANCEL);
    EXPECT_EQ(std::vector<std::string>{"cancel"}, dialog_.events);

    // Only the low word counts: the notification code is ignored.
    dialog_.events.clear();
    Command(IDC_HIDE, 0x1234);
    EXPECT_EQ(std::vector<std::string>{"hide"}, dialog_.events);

    dialog_.events.clear();
    Command(IDC_INFO);
    EXPECT_TRUE(dialog_.events.empty());
}

TEST_F(ModelessDialogTest, DeclinedMessageGoesToTheNextMatchingEntry)
{
    EXPECT_EQ(99, ::SendMessageA(window_, kDeclinedThenTaken, 0, 0));
    EXPECT_EQ((std::vector<std::string>{"decline", "take over"}), dialog_.events);
}

TEST_F(ModelessDialogTest, DeclinedMessageGetsDefaultProcessing)
{
    // The default dialog processing turns WM_CLOSE into a posted IDCANCEL.
    ::SendMessageA(window_, WM_CLOSE, 0, 0);
    test_support::PumpPendingMessages();
    EXPECT_EQ((std::vector<std::string>{"decline", "cancel"}), dialog_.events);
}

TEST_F(ModelessDialogTest, AnswersReachTheSender)
{
    EXPECT_EQ(77, ::SendMessageA(window_, kAnswered, 0, 0));
    EXPECT_EQ(0, ::SendMessageA(window_, kUnhandled, 0, 0));
}

TEST_F(ModelessDialogTest, InitDialogAnswerIsReturnedDirectly)
{
    dialog_.initResult = 0x1234;
    EXPECT_EQ(0x1234, ::SendMessageA(window_, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(&dialog_)));
    dialog_.initResult = FALSE;
    EXPECT_EQ(FALSE, ::SendMessageA(window_, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(&dialog_)));
}

TEST_F(ModelessDialogTest, StrayInitDialogWithoutObjectKeepsTheBinding)
{
    ::SendMessageA(window_, WM_INITDIALOG, 0, 0);
    EXPECT_EQ(window_, dialog_.Handle());
    EXPECT_EQ(77, ::SendMessageA(window_, kAnswered, 0, 0));
}

TEST_F(ModelessDialogTest, FinalMessageComesAfterDestroyWithoutWindow)
{
    ::DestroyWindow(window_);
    EXPECT_EQ((std::vector<std::string>{"destroy", "final"}), dialog_.events);
    EXPECT_EQ(nullptr, dialog_.Handle());
}

TEST_F(ModelessDialogTest, UnhandledCommandIsReflectedToItsControl)
{
    ReflectionRecorder info;
    ASSERT_TRUE(info.Attach(dialog_.Item(IDC_INFO)));
    info.answer = 5;

    EXPECT_EQ(5, Command(IDC_INFO, STN_CLICKED));
    ASSERT_EQ(1u, info.reflected.size());
    EXPECT_EQ(static_cast<UINT>(WM_COMMAND + 0x2000), info.reflected[0].message);
    EXPECT_EQ(MAKEWPARAM(IDC_INFO, STN_CLICKED), info.reflected[0].wParam);
    EXPECT_EQ(reinterpret_cast<LPARAM>(dialog_.Item(IDC_INFO).Handle()), info.reflected[0].lParam);
}

TEST_F(ModelessDialogTest, HandledCommandIsNotReflected)
{
    ReflectionRecorder hide;
    ASSERT_TRUE(hide.Attach(dialog_.Item(IDC_HIDE)));
    Command(IDC_HIDE);
    EXPECT_TRUE(hide.reflected.empty());
    EXPECT_EQ(std::vector<std::string>{"hide"}, dialog_.events);
}

TEST_F(ModelessDialogTest, MenuCommandIsNotReflected)
{
    ReflectionRecorder info;
    ASSERT_TRUE(info.Attach(dialog_.Item(IDC_INFO)));
    ::SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDC_INFO, 0), 0);
    EXPECT_TRUE(info.reflected.empty());
}

TEST(DialogLifetimeTest, ObjectDestroyedFirstTakesItsOpenWindowAlong)
{
    HWND window = nullptr;
    {
        RecordingDialog dialog;
        window = dialog.CreateModeless(IDD_COUNTDOWN, nullptr);
        ASSERT_NE(nullptr, window);
    }
    EXPECT_FALSE(::IsWindow(window));
}

TEST(DialogLifetimeTest, MissingTemplateFails)
{
    RecordingDialog dialog;
    EXPECT_EQ(nullptr, dialog.CreateModeless(9999, nullptr));
    EXPECT_EQ(-1, dialog.RunModal(9999, nullptr));
    EXPECT_EQ(nullptr, dialog.Handle());
    EXPECT_TRUE(dialog.events.empty());
}

// Presses OK from inside its own modal loop.
class SelfClosingDialog : public RecordingDialog {
public:
    ~SelfClosingDialog() override = default;

protected:
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == WM_INITDIALOG) {
            ::PostMessageA(Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }
        return RecordingDialog::ProcessMessage(message, wParam, lParam, result);
    }
};

TEST(ModalDialogTest, RunModalReturnsTheEndDialogValue)
{
    SelfClosingDialog dialog;
    dialog.endOnOk = true;
    EXPECT_EQ(kModalResult, dialog.RunModal(IDD_PASSWORD, nullptr));
    ASSERT_GE(dialog.events.size(), 3u);
    EXPECT_EQ("init", dialog.events.front());
    EXPECT_EQ("ok", dialog.events[1]);
    EXPECT_EQ("final", dialog.events.back());
    EXPECT_EQ(nullptr, dialog.Handle());
}

// Has no OK or Cancel entry of its own: the framework's default takes them.
class PlainDialog : public ui::Dialog {
public:
    ~PlainDialog() override = default;
    UINT commandAtInit = 0;

    using ui::Dialog::FocusControl;

protected:
    bool ProcessMessage(UINT message, WPARAM, LPARAM, LRESULT&) override
    {
        if (message == WM_INITDIALOG && commandAtInit != 0) {
            ::PostMessageA(Handle(), WM_COMMAND, MAKEWPARAM(commandAtInit, BN_CLICKED), 0);
        }
        return false;
    }
};

TEST(ModalDialogTest, UnhandledOkAndCancelEndTheDialogWithTheirIds)
{
    for (const UINT id : {IDOK, IDCANCEL}) {
        PlainDialog dialog;
        dialog.commandAtInit = id;
        EXPECT_EQ(static_cast<INT_PTR>(id), dialog.RunModal(IDD_PASSWORD, nullptr));
        EXPECT_EQ(nullptr, dialog.Handle());
    }
}

class ModelessDialogDefaultsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window_ = dialog_.CreateModeless(IDD_COUNTDOWN, nullptr);
        ASSERT_NE(nullptr, window_);
        ::ShowWindow(window_, SW_SHOWNOACTIVATE);
    }

    PlainDialog dialog_;
    HWND window_ = nullptr;
};

TEST_F(ModelessDialogDefaultsTest, UnhandledOkAndCancelLeaveAModelessDialogOpen)
{
    ::SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    ::SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    test_support::PumpPendingMessages();
    EXPECT_TRUE(::IsWindowVisible(window_));
    EXPECT_EQ(window_, dialog_.Handle());
}

TEST_F(ModelessDialogDefaultsTest, FocusControlMakesTheFocusedButtonTheDefault)
{
    dialog_.FocusControl(IDC_HIDE);
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(window_, IDC_HIDE));
    // Drawn as the default button: Enter presses it.
    EXPECT_TRUE(::SendMessageA(::GetDlgItem(window_, IDC_HIDE), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
}

}  // namespace
