#include "resource.h"
#include "support/skin_engine_client.h"
#include "ui/dialog.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "skin_file.h"
#include "skin_resources.h"

namespace {

using test_support::ClientPixel;

// A dialog from one of the program's templates that records the commands it
// gets, as the program's own dialogs would act on them.
class RecordingDialog : public ui::Dialog {
public:
    ~RecordingDialog() override = default;
    std::vector<int> commands;

protected:
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override
    {
        if (message == WM_COMMAND) {
            commands.push_back(LOWORD(wParam));
            result = 0;
            return true;
        }
        return false;
    }
};

std::string Hex(COLORREF colour)
{
    char text[16];
    wsprintfA(text, "#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

skin::Palette ShippedPalette(const std::string& name, float gamma = 0.0f)
{
    const auto spec = skin::ReadSkinFile(test_support::ShippedSkinFolder(name) + "\\" + name + ".ini");
    return skin::MakePalette(spec.value_or(skin::SkinSpec{}), gamma);
}

class SkinnedDialogTest : public ::testing::Test {
protected:
    void Open(int templateId)
    {
        ASSERT_NE(dialog_.CreateModeless(templateId, nullptr), nullptr);
        ::SetWindowPos(dialog_.Handle(), nullptr, 200, 150, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        engine_ = test_support::CreateSkinEngine();
        ASSERT_TRUE(engine_) << "the engine DLL was not found beside the tests";
        ASSERT_EQ(engine_->AttachWindow(dialog_.Handle()), S_OK);
    }

    COLORREF Background() { return ClientPixel(dialog_.Handle(), 3, 3); }
    COLORREF ButtonFace(int id) { return ClientPixel(dialog_.Item(id), 6, 6); }

    test_support::ScopedComApartment com_;
    RecordingDialog dialog_;
    ui::ComPtr<SkinEngine> engine_;
};

TEST_F(SkinnedDialogTest, EachShippedSkinPaintsItsBackgroundAndButtons)
{
    Open(IDD_PARAMETERS);
    for (const char* name : {"light", "dark"}) {
        SCOPED_TRACE(name);
        ASSERT_EQ(test_support::LoadShippedSkin(*engine_.Get(), name), S_OK);
        const skin::Palette palette = ShippedPalette(name);
        EXPECT_EQ(Hex(Background()), Hex(palette.background));
        EXPECT_EQ(Hex(ButtonFace(IDCANCEL)), Hex(palette.buttonFace));
    }
}

}  // namespace
