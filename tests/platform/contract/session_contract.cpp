#include "platform/contract/session_contract.h"

namespace lumaro::platform::contract {
namespace {

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(SessionControlContract);

constexpr std::uint32_t kReboot = 2;
constexpr std::uint32_t kForce = 4;

TEST_P(SessionControlContract, AGrantedRequestReachesTheSystemAndReturnsAtOnce) {
  SessionControl& control = subject().control();
  ASSERT_TRUE(control.enableShutdownPrivilege());
  ASSERT_TRUE(control.exitSession(kReboot | kForce));
  EXPECT_EQ(subject().lastRequest(), kReboot | kForce);
}

}  // namespace
}  // namespace lumaro::platform::contract
