// The prompt in front of a protected run's cancellation, from the real
// password template, answered from inside its own modal loop.
#include "countdown/cancel_prompt.h"

#include <gtest/gtest.h>

#include <optional>

#include "support/language_file.h"
#include "support/modal_step.h"
#include "support/program_windows.h"
#include "support/window_finder.h"

namespace {

HWND OpenPrompt()
{
    return test_support::WaitForPasswordPrompt(::GetCurrentProcessId(), 0);
}

class CancelPromptTest : public ::testing::Test {
protected:
    test_support::ScopedLanguageFile language_{""};
    CancelPrompt prompt_;
};

TEST_F(CancelPromptTest, RightPasswordConfirms)
{
    const test_support::ModalStep answer([] { return OpenPrompt() != nullptr; },
                                         [] {
                                             test_support::TypePassword(OpenPrompt(), "pw");
                                             test_support::PostCommand(OpenPrompt(), IDOK);
                                         });
    EXPECT_TRUE(prompt_.Confirm("pw", nullptr));
    EXPECT_FALSE(prompt_.IsOpen());
}

TEST_F(CancelPromptTest, SecondRequestWhileOpenIsRefusedWithoutASecondPrompt)
{
    std::optional<bool> second;
    bool openDuringSecond = false;
    const test_support::ModalStep step([] { return OpenPrompt() != nullptr; },
                                       [&] {
                                           const HWND first = OpenPrompt();
                                           second = prompt_.Confirm("pw", nullptr);
                                           openDuringSecond = prompt_.IsOpen();
                                           test_support::PostCommand(first, IDCANCEL);
                                       });
    EXPECT_FALSE(prompt_.Confirm("pw", nullptr));
    ASSERT_TRUE(second.has_value()) << "the prompt was never seen";
    EXPECT_FALSE(*second);
    EXPECT_TRUE(openDuringSecond);
}

}  // namespace
