// The countdown window and the parameters dialog with a skin engine: each
// hands its own window to its own engine first in its initialisation, and
// goes on with the platform's look when the engine fails.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "countdown/countdown_window.h"
#include "dialogs/parameters_dialog.h"
#include "resource.h"
#include "support/language_file.h"
#include "support/modal_step.h"
#include "support/power_recorder.h"
#include "support/program_windows.h"
#include "support/skin_engine.h"
#include "support/skin_engine_client.h"
#include "support/window_finder.h"
#include "text/module_path.h"
#include "ui/message_loop.h"
#include "ui/placement.h"
#include "ui/ui_module.h"

namespace {

using test_support::ModalStep;
using test_support::SkinRecorder;
using Calls = std::vector<std::string>;

constexpr char kLanguage[] =
    "_EnterParams=Choose a run\r\n"
    "_Cancel=Abort\r\n"
    "_OK=Go\r\n";

constexpr DWORD kGiveUpMs = 5000;
constexpr int kGaveUp = 1000;

const char* const kOperations[] = {"AttachWindow", "GetAutomationObject", "ApplyGamma", "LoadSkin"};

// How the engine met the window: its caption and Cancel's text as one
// string, and where its top-left corner was.
struct Attached {
    std::string texts;
    std::string topLeft;
};

Attached AttachedAs(const std::string& call, HWND window)
{
    const std::string prefix = "1 AttachWindow " + SkinRecorder::HandleText(window) + " ";
    if (call.compare(0, prefix.size(), prefix) != 0) {
        return {"(another call) " + call, ""};
    }
    const std::string rest = call.substr(prefix.size());
    const std::size_t space = rest.rfind(' ');
    return {rest.substr(0, space), rest.substr(space + 1)};
}

std::string TopLeft(HWND window)
{
    const RECT rect = ui::WindowRect(window);
    return std::to_string(rect.left) + "," + std::to_string(rect.top);
}

// The countdown's clock for the test of when the delay begins: it notes how
// many engine calls had been made when the countdown first read it.
const SkinRecorder* g_clockWatchedRecorder = nullptr;
std::optional<std::size_t> g_engineCallsAtFirstClockRead;
DWORD WINAPI EngineWatchingClock()
{
    if (!g_engineCallsAtFirstClockRead && g_clockWatchedRecorder != nullptr) {
        g_engineCallsAtFirstClockRead = g_clockWatchedRecorder->Calls().size();
    }
    return 100000;
}

// The countdown's clock for a skin that takes two minutes: the time moves on
// once the engine has been called, and then as the test says.
const SkinRecorder* g_slowSkinRecorder = nullptr;
DWORD g_afterSkinMs = 0;
DWORD WINAPI SlowSkinClock()
{
    return g_slowSkinRecorder != nullptr && g_slowSkinRecorder->Calls().empty() ? 100000 : g_afterSkinMs;
}

class SkinnedDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(recorder_.IsLoaded()) << test_support::RecordingSkinEnginePath();
        ASSERT_TRUE(engine_.IsActive());
    }

    // Runs the parameters dialog modally and calls `drive` once with its
    // window, once it shows; a dialog left open ends with kGaveUp.
    INT_PTR RunParametersDialog(const std::function<void(HWND)>& drive)
    {
        ParametersDialog dialog(run_);
        const DWORD start = ::GetTickCount();
        const ModalStep giveUp([start] { return ::GetTickCount() - start > kGiveUpMs; },
                               [&dialog] { ::EndDialog(dialog.Handle(), kGaveUp); });
        const ModalStep step([&dialog] { return dialog.Handle() != nullptr && ::IsWindowVisible(dialog.Handle()); },
                             [&] { drive(dialog.Handle()); });
        return dialog.Run(nullptr);
    }

    // Runs the thread's loop, as start-up does, until the countdown window
    // posts its exit code; kGaveUp when it does not.
    static int RunLoopUntilQuit(ui::MessageLoop& loop)
    {
        const DWORD start = ::GetTickCount();
        const ModalStep giveUp([start] { return ::GetTickCount() - start > kGiveUpMs; },
                               [] { ::PostQuitMessage(kGaveUp); });
        return loop.Run();
    }

    static void PressEsc(HWND dialog)
    {
        const HWND focus = ::GetFocus() != nullptr ? ::GetFocus() : ::GetDlgItem(dialog, IDCANCEL);
        ::PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 0);
    }

    static void Click(HWND dialog, int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

    test_support::ScopedComApartment com_;
    SkinRecorder recorder_;
    test_support::ScopedSkinEngine engine_{test_support::RecordingSkinEnginePath()};
    // A skin to load, as the shipped common.xml names one: without a skin no
    // engine is created.
    test_support::ScopedCommonXml commonXml_{
        test_support::CommonXmlText("%ModulePath%\\skins", "blue.uis", "0").c_str()};
    test_support::ScopedLanguageFile language_{kLanguage};
    RunParameters run_{ShutdownAction::PowerOff, 77, ""};
};

TEST_F(SkinnedDialogsTest, ParametersDialogIsSkinnedBeforeItIsCenteredAndTranslated)
{
    const test_support::ScopedCommonXml config(
        test_support::CommonXmlText("%ModulePath%\\skins", "%ModulePath%\\skins\\blue.uis", "0.75").c_str());
    HWND window = nullptr;
    std::string finalTopLeft;
    Calls calls;
    int liveWhileOpen = 0;

    const INT_PTR result = RunParametersDialog([&](HWND dialog) {
        window = dialog;
        finalTopLeft = TopLeft(dialog);
        calls = recorder_.Calls();
        liveWhileOpen = recorder_.LiveEngines();
        Click(dialog, IDCANCEL);
    });

    EXPECT_EQ(result, IDCANCEL);
    ASSERT_EQ(calls.size(), 6u) << ::testing::PrintToString(calls);
    EXPECT_EQ(calls[0], "create 1");
    const Attached attached = AttachedAs(calls[1], window);
    EXPECT_EQ(attached.texts, "\"_EnterParams\" \"_Cancel\"");
    EXPECT_NE(attached.topLeft, finalTopLeft) << "centered before the engine had the window";
    const std::string skins = test_support::Utf8(ModuleFolder(nullptr)) + "\\skins";
    const Calls rest(calls.begin() + 2, calls.end());
    const Calls expectedRest = {"1 GetAutomationObject", "1 ApplyGamma 0.75", "1 automation released",
                                "1 LoadSkin \"" + skins + "\" \"" + skins + "\\blue.uis\""};
    EXPECT_EQ(rest, expectedRest);
    EXPECT_EQ(liveWhileOpen, 1);
    // The dialog object has gone with RunParametersDialog.
    EXPECT_EQ(recorder_.Calls().back(), "1 released");
    EXPECT_EQ(recorder_.LiveEngines(), 0);
}

TEST_F(SkinnedDialogsTest, CountdownWindowIsSkinnedBeforeItIsCenteredAndTranslated)
{
    run_ = {ShutdownAction::Standby, 600, ""};
    std::optional<CountdownWindow> countdown(std::in_place, run_, test_support::RecordingPowerPlatform());
    ASSERT_TRUE(countdown->Create());
    const HWND window = countdown->Handle();

    const Calls calls = recorder_.Calls();
    ASSERT_EQ(calls.size(), 6u) << ::testing::PrintToString(calls);
    EXPECT_EQ(calls[0], "create 1");
    const Attached attached = AttachedAs(calls[1], window);
    EXPECT_EQ(attached.texts, "\"\" \"_Cancel\"");
    EXPECT_NE(attached.topLeft, TopLeft(window)) << "centered before the engine had the window";
    const std::string skins = test_support::Utf8(ModuleFolder(nullptr)) + "\\skins";
    const Calls rest(calls.begin() + 2, calls.end());
    const Calls expectedRest = {"1 GetAutomationObject", "1 ApplyGamma 0", "1 automation released",
                                "1 LoadSkin \"" + skins + "\" \"" + skins + "\\blue.uis\""};
    EXPECT_EQ(rest, expectedRest);

    // Held while the object lives, even past its window.
    ::DestroyWindow(window);
    EXPECT_EQ(recorder_.LiveEngines(), 1);
    countdown.reset();
    EXPECT_EQ(recorder_.Calls().back(), "1 released");
    EXPECT_EQ(recorder_.LiveEngines(), 0);
    ::PeekMessageA(nullptr, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST_F(SkinnedDialogsTest, WithoutASkinNeitherWindowCreatesAnEngine)
{
    ui::MessageLoop loop;
    const ui::MessageLoopRegistration registration(loop);
    run_ = {ShutdownAction::Standby, 600, ""};
    const std::string noSkinFile = test_support::CommonXmlText("%ModulePath%\\skins", "", "0.5");
    for (const char* content : {static_cast<const char*>(nullptr), "<config><SkinGamma val=\"1\"/></config>",
                                noSkinFile.c_str()}) {
        SCOPED_TRACE(content != nullptr ? content : "no common.xml");
        const test_support::ScopedCommonXml config(content);

        EXPECT_EQ(RunParametersDialog([](HWND dialog) { Click(dialog, IDCANCEL); }), IDCANCEL);
        CountdownWindow countdown(run_, test_support::RecordingPowerPlatform());
        ASSERT_TRUE(countdown.Create());
        EXPECT_EQ(test_support::ControlText(::GetDlgItem(countdown.Handle(), IDCANCEL)), "Abort");
        Click(countdown.Handle(), IDCANCEL);
        EXPECT_EQ(RunLoopUntilQuit(loop), 2);

        EXPECT_EQ(recorder_.Calls(), Calls{});
    }
}

// The prompt of a protected run shows the countdown's skin, as the countdown
// read it (a common.xml changed since does not count), through an engine of
// its own; a countdown without an engine opens a prompt without one.
TEST_F(SkinnedDialogsTest, PasswordPromptShowsTheSkinOfTheCountdownItOpensFrom)
{
    for (const bool engineFails : {false, true}) {
        SCOPED_TRACE(engineFails ? "the countdown's engine failed" : "the countdown is skinned");
        const SkinRecorder recorder;
        if (engineFails) {
            recorder.Fail("LoadSkin");
        }
        std::optional<test_support::ScopedCommonXml> config(
            std::in_place, test_support::CommonXmlText("%ModulePath%\\skins", "blue.uis", "0.5").c_str());
        run_ = {ShutdownAction::Standby, 600, "pw"};
        CountdownWindow countdown(run_, test_support::RecordingPowerPlatform());
        ASSERT_TRUE(countdown.Create());
        config.reset();
        const std::size_t countdownCalls = recorder.Calls().size();

        Calls promptCalls;
        int liveWhileOpen = 0;
        const ModalStep answer(
            [] { return test_support::WaitForPasswordPrompt(::GetCurrentProcessId(), 0) != nullptr; },
            [&] {
                const Calls calls = recorder.Calls();
                promptCalls.assign(calls.begin() + static_cast<std::ptrdiff_t>(countdownCalls), calls.end());
                liveWhileOpen = recorder.LiveEngines();
                test_support::PostCommand(test_support::WaitForPasswordPrompt(::GetCurrentProcessId(), 0), IDCANCEL);
            });
        Click(countdown.Handle(), IDCANCEL);
        ASSERT_TRUE(answer.HasRun());

        if (engineFails) {
            EXPECT_EQ(promptCalls, Calls{}) << "no engine for the prompt";
            EXPECT_EQ(liveWhileOpen, 0);
        } else {
            const std::string skins = test_support::Utf8(ModuleFolder(nullptr)) + "\\skins";
            ASSERT_EQ(promptCalls.size(), 6u) << ::testing::PrintToString(promptCalls);
            EXPECT_EQ(promptCalls[0], "create 2");
            EXPECT_EQ(promptCalls[2], "2 GetAutomationObject");
            EXPECT_EQ(promptCalls[3], "2 ApplyGamma 0.5");
            EXPECT_EQ(promptCalls[5], "2 LoadSkin \"" + skins + "\" \"" + skins + "\\blue.uis\"");
            EXPECT_EQ(liveWhileOpen, 2) << "the countdown's and the prompt's";
        }
    }
}

TEST_F(SkinnedDialogsTest, CountdownDelayBeginsBeforeTheEngineSoTheSkinTakesNoTimeFromTheRunsEnd)
{
    g_clockWatchedRecorder = &recorder_;
    g_engineCallsAtFirstClockRead.reset();
    std::optional<CountdownWindow> countdown(std::in_place, run_, test_support::RecordingPowerPlatform());
    countdown->UseClock(&EngineWatchingClock);
    ASSERT_TRUE(countdown->Create());
    g_clockWatchedRecorder = nullptr;

    ASSERT_TRUE(g_engineCallsAtFirstClockRead.has_value());
    EXPECT_EQ(*g_engineCallsAtFirstClockRead, 0u) << ::testing::PrintToString(recorder_.Calls());
    EXPECT_EQ(recorder_.CallsStartingWith("1 AttachWindow").size(), 1u);
    countdown.reset();
    ::PeekMessageA(nullptr, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST_F(SkinnedDialogsTest, SkinThatTookLongerThanTheDelayStillLeavesTheLastSecondsBeforeTheAction)
{
    g_slowSkinRecorder = &recorder_;
    g_afterSkinMs = 100000 + 120000;
    std::optional<CountdownWindow> countdown(std::in_place, run_, test_support::RecordingPowerPlatform());
    countdown->UseClock(&SlowSkinClock);
    ASSERT_TRUE(countdown->Create());
    ASSERT_FALSE(recorder_.Calls().empty());
    const auto expiryTimer = [&] { ::SendMessageA(countdown->Handle(), WM_TIMER, CountdownWindow::TIMER_EXPIRE, 0); };

    expiryTimer();
    g_afterSkinMs += 14999;
    expiryTimer();
    EXPECT_TRUE(test_support::RecordedSystemCalls().empty()) << "acted the moment the window was ready";
    EXPECT_TRUE(countdown->Tray().IsShown());
    g_afterSkinMs += 1;
    expiryTimer();
    EXPECT_EQ(test_support::RecordedSystemCalls().size(), 1u);
    g_slowSkinRecorder = nullptr;
    countdown.reset();
    ::PeekMessageA(nullptr, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST_F(SkinnedDialogsTest, NullAutomationObjectSkipsTheGammaButTheSkinIsLoaded)
{
    recorder_.ReturnNullAutomation();
    RunParametersDialog([](HWND dialog) { Click(dialog, IDCANCEL); });

    const Calls calls = recorder_.Calls();
    ASSERT_EQ(calls.size(), 5u) << ::testing::PrintToString(calls);
    EXPECT_EQ(calls[2], "1 GetAutomationObject");
    EXPECT_EQ(calls[3].substr(0, 11), "1 LoadSkin ");
    EXPECT_EQ(calls[4], "1 released");
}

TEST_F(SkinnedDialogsTest, StartUpOrderEachDialogCreatesAndReleasesItsOwnEngine)
{
    RunParametersDialog([](HWND dialog) { Click(dialog, IDOK); });
    {
        CountdownWindow countdown(run_, test_support::RecordingPowerPlatform());
        ASSERT_TRUE(countdown.Create());
        EXPECT_EQ(recorder_.LiveEngines(), 1);
    }
    ::PeekMessageA(nullptr, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);

    const Calls calls = recorder_.Calls();
    const auto position = [&calls](const std::string& call) {
        return std::find(calls.begin(), calls.end(), call) - calls.begin();
    };
    EXPECT_LT(position("create 1"), position("1 released"));
    EXPECT_LT(position("1 released"), position("create 2"));
    EXPECT_LT(position("create 2"), position("2 released"));
    EXPECT_LT(position("2 released"), static_cast<std::ptrdiff_t>(calls.size()));
    EXPECT_EQ(recorder_.LiveEngines(), 0);
}

TEST_F(SkinnedDialogsTest, ParametersDialogWorksOnWhenTheEngineFails)
{
    for (const char* operation : kOperations) {
        SCOPED_TRACE(operation);
        const SkinRecorder recorder;
        recorder.Fail(operation);

        int liveAfterInit = -1;
        run_ = {ShutdownAction::PowerOff, 77, ""};
        const INT_PTR ok = RunParametersDialog([&](HWND dialog) {
            liveAfterInit = recorder.LiveEngines();
            EXPECT_EQ(test_support::ControlText(dialog), "Choose a run");
            Click(dialog, IDOK);
        });
        EXPECT_EQ(liveAfterInit, 0) << "the failed engine is released at once";
        EXPECT_EQ(ok, IDOK);
        EXPECT_EQ(run_.action, ShutdownAction::Shutdown);
        EXPECT_EQ(run_.delaySeconds, 3600);

        EXPECT_EQ(RunParametersDialog(PressEsc), IDCANCEL);
    }
}

TEST_F(SkinnedDialogsTest, CountdownWindowWorksOnWhenTheEngineFails)
{
    ui::MessageLoop loop;
    const ui::MessageLoopRegistration registration(loop);
    run_ = {ShutdownAction::Standby, 600, ""};
    for (const char* operation : kOperations) {
        SCOPED_TRACE(operation);
        const SkinRecorder recorder;
        recorder.Fail(operation);
        for (const bool byEsc : {false, true}) {
            CountdownWindow countdown(run_, test_support::RecordingPowerPlatform());
            ASSERT_TRUE(countdown.Create());
            EXPECT_EQ(recorder.LiveEngines(), 0) << "the failed engine is released at once";
            EXPECT_EQ(test_support::ControlText(::GetDlgItem(countdown.Handle(), IDCANCEL)), "Abort");
            if (byEsc) {
                PressEsc(countdown.Handle());
            } else {
                Click(countdown.Handle(), IDCANCEL);
            }
            EXPECT_EQ(RunLoopUntilQuit(loop), 2) << (byEsc ? "Esc" : "Cancel");
        }
    }
}

}  // namespace
