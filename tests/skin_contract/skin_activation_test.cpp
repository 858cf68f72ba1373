// The program's calls into a skin engine, in their order, with the recording
// engine (tests/programs/skin_recorder.cpp) standing in for a real one.
#include "skin/skin_activation.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "text/module_path.h"
#include "support/skin_engine_client.h"
#include "support/skin_engine.h"

namespace {

using test_support::SkinRecorder;
using Calls = std::vector<std::string>;

class SkinActivationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(recorder_.IsLoaded()) << test_support::RecordingSkinEnginePath();
        ASSERT_TRUE(engine_.IsActive());
        window_ = ::CreateWindowExA(0, "STATIC", "plain", WS_POPUP, 10, 20, 100, 50, nullptr, nullptr, nullptr,
                                    nullptr);
        ASSERT_NE(window_, nullptr);
    }

    void TearDown() override
    {
        skin_.reset();
        ::DestroyWindow(window_);
    }

    std::string Attached() const
    {
        return "1 AttachWindow " + SkinRecorder::HandleText(window_) + " \"plain\" \"\" 10,20";
    }

    test_support::ScopedComApartment com_;
    SkinRecorder recorder_;
    test_support::ScopedSkinEngine engine_{test_support::RecordingSkinEnginePath()};
    HWND window_ = nullptr;
    std::optional<SkinActivation> skin_{std::in_place};
};

TEST_F(SkinActivationTest, AttachesThenGammaThenTheExpandedSkinAndHoldsTheEngineUntilItGoes)
{
    const test_support::ScopedCommonXml config(
        test_support::CommonXmlText("%ModulePath%\\skins", "blue.uis", "1.5").c_str());

    skin_->Activate(window_);

    const std::string skins = test_support::Utf8(ModuleFolder(nullptr)) + "\\skins";
    const Calls expected = {
        "create 1",
        Attached(),
        "1 GetAutomationObject",
        "1 ApplyGamma 1.5",
        "1 automation released",
        "1 LoadSkin \"" + skins + "\" \"" + skins + "\\blue.uis\"",
    };
    EXPECT_EQ(recorder_.Calls(), expected);
    EXPECT_TRUE(skin_->HoldsEngine());
    EXPECT_EQ(recorder_.LiveEngines(), 1);

    skin_.reset();
    EXPECT_EQ(recorder_.Calls().back(), "1 released");
    EXPECT_EQ(recorder_.LiveEngines(), 0);
}

TEST_F(SkinActivationTest, WithoutASkinFileNoEngineIsCreated)
{
    const std::string noSkinFile = test_support::CommonXmlText("%ModulePath%\\skins", "", "1.5");
    for (const char* content : {static_cast<const char*>(nullptr), "<config><SkinGamma val=\"1\"/></config>",
                                noSkinFile.c_str(), "<config><activateskin uis=\"a.ini\"/>"}) {
        SCOPED_TRACE(content != nullptr ? content : "no common.xml");
        const test_support::ScopedCommonXml config(content);

        skin_->Activate(window_);

        EXPECT_EQ(recorder_.Calls(), Calls{});
        EXPECT_FALSE(skin_->HoldsEngine());
    }
}

TEST_F(SkinActivationTest, NullAutomationObjectSkipsTheGammaButNotTheSkin)
{
    recorder_.ReturnNullAutomation();

    skin_->Activate(window_, SkinConfig{L"C:\\skins", L"a.uis", 2.0f});

    const Calls expected = {"create 1", Attached(), "1 GetAutomationObject", "1 LoadSkin \"C:\\skins\" \"a.uis\""};
    EXPECT_EQ(recorder_.Calls(), expected);
    EXPECT_TRUE(skin_->HoldsEngine());
}

TEST_F(SkinActivationTest, FailingOperationReleasesTheEngineAtOnceAndSkipsTheRest)
{
    const SkinConfig config{L"C:\\skins", L"a.uis", 2.0f};
    const struct {
        const char* operation;
        Calls calls;
    } cases[] = {
        {"AttachWindow", {"create 1", Attached(), "1 released"}},
        {"GetAutomationObject",
         {"create 1", Attached(), "1 GetAutomationObject", "1 automation released", "1 released"}},
        {"ApplyGamma",
         {"create 1", Attached(), "1 GetAutomationObject", "1 ApplyGamma 2", "1 automation released",
          "1 released"}},
        {"LoadSkin",
         {"create 1", Attached(), "1 GetAutomationObject", "1 ApplyGamma 2", "1 automation released",
          "1 LoadSkin \"C:\\skins\" \"a.uis\"", "1 released"}},
    };
    for (const auto& [operation, calls] : cases) {
        SCOPED_TRACE(operation);
        SkinRecorder recorder;
        recorder.Fail(operation);
        SkinActivation skin;

        skin.Activate(window_, config);

        EXPECT_EQ(recorder.Calls(), calls);
        EXPECT_FALSE(skin.HoldsEngine());
        EXPECT_EQ(recorder.LiveEngines(), 0);
    }
}

TEST_F(SkinActivationTest, RelativePathsOfCommonXmlReachTheEngineAbsolute)
{
    const test_support::ScopedCommonXml config(
        test_support::CommonXmlText("skins\\dark", "dark.ini", "0").c_str());

    skin_->Activate(window_);

    const std::string skins = test_support::Utf8(ModuleFolder(nullptr)) + "\\skins\\dark";
    EXPECT_EQ(recorder_.CallsStartingWith("1 LoadSkin"),
              Calls{"1 LoadSkin \"" + skins + "\" \"" + skins + "\\dark.ini\""});
}

TEST_F(SkinActivationTest, PathsOutsideTheAnsiCodePageReachTheEngineWhole)
{
    const std::wstring skins = L"C:\\Тест Ελλάδα\\デザイン表";

    skin_->Activate(window_, SkinConfig{skins, skins + L"\\Łódź.ini", 0.0f});

    EXPECT_EQ(recorder_.CallsStartingWith("1 LoadSkin"),
              Calls{"1 LoadSkin \"" + test_support::Utf8(skins) + "\" \"" + test_support::Utf8(skins) +
                    "\\" + test_support::Utf8(L"Łódź.ini") + "\""});
}

TEST(SkinActivationWithoutEngine, TheWindowGoesOnWithoutOne)
{
    test_support::ScopedComApartment com;
    SkinActivation skin;
    skin.Activate(::GetDesktopWindow(), SkinConfig{});
    EXPECT_FALSE(skin.HoldsEngine());
}

}  // namespace
