#include "platform/contract/process_launcher_contract.h"

namespace lumaro::platform::contract {
namespace {

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ProcessLauncherContract);

constexpr int kShowNormal = 1;

TEST_P(ProcessLauncherContract, TheProgramRunsInTheGivenFolderAndHasEndedOnReturn) {
  ASSERT_TRUE(
      subject().launcher().runAndWait(subject().commandCreating("ran"), subject().folder(), kShowNormal));
  EXPECT_TRUE(subject().created("ran"));
}

TEST_P(ProcessLauncherContract, AProgramThatCannotStartIsReportedAndNothingRuns) {
  EXPECT_FALSE(subject().launcher().runAndWait(subject().missingProgram(), subject().folder(), kShowNormal));
}

}  // namespace
}  // namespace lumaro::platform::contract
