#include "platform/contract/instance_contract.h"

namespace lumaro::platform::contract {
namespace {

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(InstanceGuardContract);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(RestoreChannelContract);

TEST_P(InstanceGuardContract, AFreeNameIsClaimedOnceAndASecondClaimIsRefused) {
  const std::string name = subject().freeName();
  EXPECT_TRUE(subject().guard().claim(name));
  EXPECT_FALSE(subject().guard().claim(name));
}

TEST_P(InstanceGuardContract, ANameAnotherCopyHoldsIsRefusedUntilThatCopyEnds) {
  const std::string name = subject().freeName();
  ASSERT_TRUE(subject().otherCopyClaims(name));
  EXPECT_FALSE(subject().guard().claim(name));
  subject().otherCopyEnds();
  EXPECT_TRUE(subject().guard().claim(name));
}

TEST_P(RestoreChannelContract, EachRequestReachesTheListeningCopyThroughItsLoop) {
  const std::string name = subject().freeName();
  int requests = 0;
  ASSERT_TRUE(subject().listener().listen(name, [&] { ++requests; }));

  EXPECT_TRUE(subject().sender().send(name));
  EXPECT_TRUE(subject().runLoopUntil([&] { return requests == 1; }));
  EXPECT_TRUE(subject().sender().send(name));
  EXPECT_TRUE(subject().runLoopUntil([&] { return requests == 2; }));
}

TEST_P(RestoreChannelContract, ARequestNobodyListensForIsRefused) {
  EXPECT_FALSE(subject().sender().send(subject().freeName()));
}

}  // namespace
}  // namespace lumaro::platform::contract
