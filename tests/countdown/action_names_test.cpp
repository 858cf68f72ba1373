#include "countdown/action_names.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ActionNameKeyTest, EachActionHasItsKey)
{
    EXPECT_EQ(std::string("_Standby"), ActionNameKey(ShutdownAction::Standby));
    EXPECT_EQ(std::string("_Hibernate"), ActionNameKey(ShutdownAction::Hibernate));
    EXPECT_EQ(std::string("_Shutdown"), ActionNameKey(ShutdownAction::Shutdown));
    EXPECT_EQ(std::string("_Logoff"), ActionNameKey(ShutdownAction::Logoff));
    EXPECT_EQ(std::string("_RestartPC"), ActionNameKey(ShutdownAction::Restart));
    EXPECT_EQ(std::string("_PowerOffPC"), ActionNameKey(ShutdownAction::PowerOff));
}

TEST(ActionNameKeyTest, ValuesOutsideTheActionsHaveNone)
{
    EXPECT_EQ(nullptr, ActionNameKey(static_cast<ShutdownAction>(-1)));
    EXPECT_EQ(nullptr, ActionNameKey(static_cast<ShutdownAction>(6)));
    EXPECT_EQ(nullptr, ActionNameKey(static_cast<ShutdownAction>(1000)));
}

}  // namespace
