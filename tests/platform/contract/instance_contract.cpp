#include "platform/contract/instance_contract.h"

#include <vector>

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

TEST_P(RestoreChannelContract, EachRequestReachesTheListeningCopyThroughItsLoopAsSent) {
  using Request = RestoreChannel::Request;
  const std::string name = subject().freeName();
  std::vector<Request> requests;
  ASSERT_TRUE(subject().listener().listen(name, [&](Request request) { requests.push_back(request); }));

  EXPECT_TRUE(subject().sender().send(name, Request::Restore));
  EXPECT_TRUE(subject().runLoopUntil([&] { return requests.size() == 1; }));
  EXPECT_TRUE(subject().sender().send(name, Request::Optimize));
  EXPECT_TRUE(subject().runLoopUntil([&] { return requests.size() == 2; }));
  EXPECT_EQ(requests, (std::vector{Request::Restore, Request::Optimize}));
}

TEST_P(RestoreChannelContract, ARequestNobodyListensForIsRefused) {
  EXPECT_FALSE(subject().sender().send(subject().freeName(), RestoreChannel::Request::Restore));
}

}  // namespace
}  // namespace lumaro::platform::contract
