#include "system/session_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "backends/fake/fake_integration.h"
#include "platform/system_info.h"

namespace lumaro::system {
namespace {

using ::testing::ElementsAre;

TEST(SessionCommands, TheNtFamilyAsksForThePrivilegeFirstAndGoesOnWithoutIt) {
  platform::fake::FakeSessionControl session;
  session.privilegeGranted = false;
  session.exitAccepted = false;
  EXPECT_FALSE(RequestSystemExit(session, platform::kFamilyNt, kRestartFlags));
  EXPECT_FALSE(RequestSystemExit(session, platform::kFamilyNt, kShutdownFlags));
  EXPECT_THAT(session.calls, ElementsAre("privilege", "exit 6", "privilege", "exit 13"));
}

TEST(SessionCommands, OtherFamiliesEndTheSessionDirectly) {
  platform::fake::FakeSessionControl session;
  EXPECT_TRUE(RequestSystemExit(session, platform::kFamily9x, kShutdownFlags));
  EXPECT_TRUE(RequestSystemExit(session, 0, kRestartFlags));
  EXPECT_THAT(session.calls, ElementsAre("exit 13", "exit 6"));
}

TEST(SessionCommands, SuspendPressesBackspaceThenSleepAndNothingElse) {
  platform::fake::FakeKeyEvents keys;
  suspendSystem(keys);
  EXPECT_THAT(keys.pressed, ElementsAre(8, 0x5F));
}

}  // namespace
}  // namespace lumaro::system
