// The program's skin activation against the real skin engine (bin\TolvrinSkin.dll):
// common.xml read and handed on, the skin shown, the engine let go.
#include "skin/skin_activation.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "resource.h"
#include "skin_file.h"
#include "text/wide_text.h"
#include "skin_resources.h"
#include "support/program_copy.h"
#include "support/skin_engine.h"
#include "support/skin_engine_client.h"
#include "support/template_dialog.h"
#include "text/wide_text.h"

namespace {

using test_support::ClientPixel;

std::string DarkSkinFolder()
{
    return test_support::ShippedSkinFolder("dark");
}

COLORREF DarkBackground()
{
    const auto design = skin::ReadSkinFile(ToWide(test_support::ShippedSkinFile("dark")).c_str());
    return skin::MakePalette(design.value_or(skin::SkinDesign{}), 0.0f).background;
}

class RealEngineActivationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(engine_.IsActive());
        ASSERT_NE(dialog_.Get(), nullptr);
        ::SetWindowPos(dialog_.Get(), nullptr, 200, 150, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        platform_ = ClientPixel(dialog_.Get(), 3, 3);
    }

    test_support::ScopedComApartment com_;
    test_support::ScopedSkinEngine engine_{test_support::BuiltSkinEnginePath()};
    test_support::TemplateDialog dialog_{IDD_PARAMETERS};
    COLORREF platform_ = 0;
};

TEST_F(RealEngineActivationTest, SkinOfCommonXmlShowsUntilTheDialogLetsTheEngineGo)
{
    const std::string xml = "<config><activateskin rootpath=\"" + DarkSkinFolder() +
                            "\" uis=\"dark.ini\"/><SkinGamma val=\"0\"/></config>";
    const test_support::ScopedCommonXml config(xml.c_str());
    std::optional<SkinActivation> skin{std::in_place};

    skin->Activate(dialog_.Get());

    EXPECT_TRUE(skin->HoldsEngine());
    EXPECT_EQ(ClientPixel(dialog_.Get(), 3, 3), DarkBackground());
    skin.reset();
    EXPECT_EQ(ClientPixel(dialog_.Get(), 3, 3), platform_);
}

TEST_F(RealEngineActivationTest, WithoutCommonXmlNoEngineIsCreatedAndTheLookStays)
{
    const test_support::ScopedCommonXml noConfig(nullptr);
    SkinActivation skin;

    skin.Activate(dialog_.Get());

    EXPECT_FALSE(skin.HoldsEngine());
    EXPECT_EQ(ClientPixel(dialog_.Get(), 3, 3), platform_);
}

TEST_F(RealEngineActivationTest, NextActivationLetsCOMUnloadTheEngineNoLongerUsed)
{
    const std::string xml = test_support::CommonXmlForShippedSkin("dark");
    const test_support::ScopedCommonXml config(xml.c_str());
    std::optional<SkinActivation> skin{std::in_place};
    skin->Activate(dialog_.Get());
    ASSERT_TRUE(skin->HoldsEngine());
    skin.reset();
    ASSERT_NE(::GetModuleHandleW(L"TolvrinSkin.dll"), nullptr);

    const test_support::ScopedCommonXml noSkin(nullptr);
    SkinActivation next;
    next.Activate(dialog_.Get());

    EXPECT_EQ(::GetModuleHandleW(L"TolvrinSkin.dll"), nullptr);
}

TEST_F(RealEngineActivationTest, WindowTheEngineCannotTakeOverIsLeftAlone)
{
    // Another thread's window: the engine's AttachWindow refuses it, and the
    // program lets the engine go.
    SkinActivation skin;
    skin.Activate(::GetDesktopWindow(), SkinConfig{ToWide(DarkSkinFolder()), L"dark.ini", 0.0f});
    EXPECT_FALSE(skin.HoldsEngine());
}

}  // namespace
