#include "ui/subclass.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "text/wide_text.h"

namespace {

constexpr UINT kHandledMessage = WM_APP + 1;
constexpr UINT kOriginalMessage = WM_APP + 2;
constexpr UINT kDestroyMessage = WM_APP + 3;
constexpr LRESULT kHandledResult = 42;
constexpr LRESULT kOriginalResult = 7;

// What the window's own procedure saw. A file-wide pointer rather than the
// window's user data, so that calls with a wrong window handle show up too.
struct OriginalLog {
    std::vector<UINT> messages;
    std::vector<HWND> windows;
    bool sawNcDestroy = false;
    // Whether `watched` was still in the chain at WM_NCDESTROY.
    const ui::Subclass* watched = nullptr;
    bool watchedAttachedAtNcDestroy = false;
};

OriginalLog* theLog = nullptr;

LRESULT CALLBACK OriginalProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (OriginalLog* log = theLog) {
        log->messages.push_back(message);
        log->windows.push_back(window);
        if (message == WM_NCDESTROY) {
            log->sawNcDestroy = true;
            log->watchedAttachedAtNcDestroy = log->watched != nullptr && log->watched->IsAttached();
        }
    }
    if (message == kOriginalMessage) {
        return kOriginalResult;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

bool Contains(const std::vector<UINT>& messages, UINT message)
{
    for (UINT m : messages) {
        if (m == message) {
            return true;
        }
    }
    return false;
}

class RecordingSubclass : public ui::Subclass {
public:
    ~RecordingSubclass() override = default;

    std::vector<UINT> seen;

protected:
    bool ProcessMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override
    {
        seen.push_back(message);
        if (message == kHandledMessage) {
            result = kHandledResult;
            return true;
        }
        if (message == kDestroyMessage) {
            ::DestroyWindow(Handle());
            return false;  // and the original procedure still gets it
        }
        return false;
    }
};

class SubclassTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &OriginalProcedure;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClassName;
        ::RegisterClassA(&windowClass);
    }

    void SetUp() override
    {
        window_ = ::CreateWindowExA(0, kClassName, "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, window_);
        theLog = &log_;
    }

    void TearDown() override
    {
        if (::IsWindow(window_)) {
            ::DestroyWindow(window_);
        }
        theLog = nullptr;
    }

    LONG_PTR Procedure() const { return ::GetWindowLongPtrA(window_, GWLP_WNDPROC); }

    // Sends `message` through the subclass: it gives `result`, the subclass
    // sees it, and the original procedure only when `reachesOriginal`.
    void ExpectSentThrough(const RecordingSubclass& subclass, UINT message, LRESULT result, bool reachesOriginal)
    {
        EXPECT_EQ(result, ::SendMessageA(window_, message, 0, 0));
        EXPECT_TRUE(Contains(subclass.seen, message));
        EXPECT_EQ(reachesOriginal, Contains(log_.messages, message));
    }
    static LONG_PTR OriginalAddress() { return reinterpret_cast<LONG_PTR>(&OriginalProcedure); }

    static constexpr char kClassName[] = "TolvrinSubclassTestWindow";
    OriginalLog log_;
    HWND window_ = nullptr;
};

TEST_F(SubclassTest, HandledMessagesGetTheHandlersAnswer)
{
    RecordingSubclass subclass;
    ASSERT_TRUE(subclass.Attach(window_));
    EXPECT_EQ(window_, subclass.Handle());
    EXPECT_NE(OriginalAddress(), Procedure());

    ExpectSentThrough(subclass, kHandledMessage, kHandledResult, false);
}

TEST_F(SubclassTest, UnhandledMessagesReachTheOriginalProcedure)
{
    RecordingSubclass subclass;
    ASSERT_TRUE(subclass.Attach(window_));
    ExpectSentThrough(subclass, kOriginalMessage, kOriginalResult, true);
}

TEST_F(SubclassTest, DestroyTakesTheObjectOutOfTheChainBeforeTheLastMessage)
{
    RecordingSubclass subclass;
    ASSERT_TRUE(subclass.Attach(window_));
    log_.watched = &subclass;
    ::DestroyWindow(window_);

    EXPECT_TRUE(log_.sawNcDestroy);
    EXPECT_FALSE(log_.watchedAttachedAtNcDestroy);
    EXPECT_TRUE(Contains(subclass.seen, WM_DESTROY));
    EXPECT_TRUE(Contains(subclass.seen, WM_NCDESTROY));
    EXPECT_FALSE(subclass.IsAttached());
    EXPECT_EQ(nullptr, subclass.Handle());
}

TEST_F(SubclassTest, DetachWhileTheWindowLivesRestoresTheProcedure)
{
    RecordingSubclass subclass;
    ASSERT_TRUE(subclass.Attach(window_));
    subclass.Detach();
    EXPECT_FALSE(subclass.IsAttached());
    EXPECT_EQ(OriginalAddress(), Procedure());

    subclass.seen.clear();
    EXPECT_EQ(kOriginalResult, ::SendMessageA(window_, kOriginalMessage, 0, 0));
    EXPECT_EQ(0, ::SendMessageA(window_, kHandledMessage, 0, 0));
    EXPECT_TRUE(subclass.seen.empty());

    // The window can be taken over again afterwards.
    EXPECT_TRUE(subclass.Attach(window_));
}

TEST_F(SubclassTest, DestroyedObjectNoLongerReceivesMessages)
{
    {
        RecordingSubclass subclass;
        ASSERT_TRUE(subclass.Attach(window_));
    }
    EXPECT_EQ(OriginalAddress(), Procedure());
    EXPECT_EQ(kOriginalResult, ::SendMessageA(window_, kOriginalMessage, 0, 0));
    EXPECT_EQ(0, ::SendMessageA(window_, kHandledMessage, 0, 0));
}

TEST_F(SubclassTest, AttachRefusesNoWindowAndADestroyedOne)
{
    RecordingSubclass subclass;
    EXPECT_FALSE(subclass.Attach(nullptr));
    ::DestroyWindow(window_);
    EXPECT_FALSE(subclass.Attach(window_));
    EXPECT_FALSE(subclass.IsAttached());
}

TEST_F(SubclassTest, OneObjectTakesOneWindow)
{
    const HWND other = ::CreateWindowExA(0, kClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                         ::GetModuleHandleA(nullptr), nullptr);
    RecordingSubclass subclass;
    ASSERT_TRUE(subclass.Attach(window_));
    EXPECT_FALSE(subclass.Attach(other));
    EXPECT_EQ(window_, subclass.Handle());
    ::DestroyWindow(other);
}

TEST_F(SubclassTest, TwoObjectsOnOneWindowSeeItsMessagesNewestFirst)
{
    RecordingSubclass first;
    RecordingSubclass second;
    ASSERT_TRUE(first.Attach(window_));
    ASSERT_TRUE(second.Attach(window_));
    EXPECT_EQ(kHandledResult, ::SendMessageA(window_, kHandledMessage, 0, 0));
    EXPECT_TRUE(Contains(second.seen, kHandledMessage));
    EXPECT_FALSE(Contains(first.seen, kHandledMessage)) << "the newer one answered it";

    second.Detach();
    EXPECT_EQ(kOriginalResult, ::SendMessageA(window_, kOriginalMessage, 0, 0));
    EXPECT_TRUE(Contains(first.seen, kOriginalMessage));
    EXPECT_FALSE(Contains(second.seen, kOriginalMessage));
}

TEST_F(SubclassTest, HandlerThatDestroysItsWindowIsSafe)
{
    RecordingSubclass subclass;
    ASSERT_TRUE(subclass.Attach(window_));
    log_.watched = &subclass;
    ::SendMessageA(window_, kDestroyMessage, 0, 0);

    EXPECT_FALSE(::IsWindow(window_));
    EXPECT_FALSE(subclass.IsAttached());
    EXPECT_FALSE(log_.watchedAttachedAtNcDestroy);
    // WM_NCDESTROY stays the window procedure's last message, and it never
    // gets a message for another (or no) window.
    ASSERT_FALSE(log_.messages.empty());
    EXPECT_EQ(static_cast<UINT>(WM_NCDESTROY), log_.messages.back());
    for (HWND seenWindow : log_.windows) {
        EXPECT_EQ(window_, seenWindow);
    }
}

// A later subclass of the same window, put on with SetWindowSubclass as a
// skin engine does: it counts what passes through it.
LRESULT CALLBACK LaterSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                               DWORD_PTR seen)
{
    ++*reinterpret_cast<int*>(seen);
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(window, &LaterSubclass, id);
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

TEST_F(SubclassTest, ReleaseUnderALaterSubclassLeavesTheLaterOneInPlace)
{
    int laterSeen = 0;
    {
        RecordingSubclass subclass;
        ASSERT_TRUE(subclass.Attach(window_));
        ASSERT_TRUE(::SetWindowSubclass(window_, &LaterSubclass, 1, reinterpret_cast<DWORD_PTR>(&laterSeen)));
        subclass.Detach();
        EXPECT_TRUE(subclass.Attach(window_)) << "out of the chain: it may join again";
        subclass.seen.clear();
        laterSeen = 0;
        EXPECT_EQ(kHandledResult, ::SendMessageA(window_, kHandledMessage, 0, 0));
        EXPECT_EQ(laterSeen, 0) << "the object joined on top";
    }
    laterSeen = 0;
    EXPECT_EQ(kOriginalResult, ::SendMessageA(window_, kOriginalMessage, 0, 0));
    EXPECT_EQ(laterSeen, 1);
    ::DestroyWindow(window_);
    EXPECT_TRUE(log_.sawNcDestroy) << "the original procedure saw the last message";
    EXPECT_EQ(static_cast<UINT>(WM_NCDESTROY), log_.messages.back());
}

// comctl32 hands the chain its messages in the form of its own procedure:
// a window of a Unicode class gets them as UTF-16 whichever call sent them,
// as every window does on Windows (Wine keeps an ANSI window's form).
class TextRecordingSubclass : public ui::Subclass {
public:
    ~TextRecordingSubclass() override = default;

    std::wstring text;

protected:
    bool ProcessMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) override
    {
        if (message != WM_SETTEXT) {
            return false;
        }
        text = MessagesAreWide() ? std::wstring(reinterpret_cast<const wchar_t*>(lParam))
                                 : ToWide(reinterpret_cast<const char*>(lParam));
        result = TRUE;
        return true;
    }
};

TEST(SubclassText, ComesInTheFormMessagesAreWideGives)
{
    for (const bool unicodeWindow : {false, true}) {
        const HWND window = unicodeWindow ? ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                                              nullptr, ::GetModuleHandleW(nullptr), nullptr)
                                          : ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                                              nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        TextRecordingSubclass subclass;
        ASSERT_TRUE(subclass.Attach(window));
        ::SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("sent as ANSI"));
        EXPECT_EQ(subclass.text, L"sent as ANSI") << unicodeWindow;
        ::SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"sent as UTF-16"));
        EXPECT_EQ(subclass.text, L"sent as UTF-16") << unicodeWindow;
        ::DestroyWindow(window);
    }
}

}  // namespace
