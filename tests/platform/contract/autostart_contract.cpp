#include "platform/contract/autostart_contract.h"

namespace lumaro::platform::contract {
namespace {

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(AutostartContract);

using Result = Autostart::Result;

TEST_P(AutostartContract, AnEntryStartsItsCommandUntilRewrittenToStartNothing) {
  Autostart& autostart = subject().autostart();
  EXPECT_FALSE(autostart.folder().empty());
  EXPECT_EQ(subject().startedBy("Lumaro"), std::nullopt);

  ASSERT_EQ(autostart.writeEntry("Lumaro", "/opt/lumaro/lumaro"), Result::Written);
  EXPECT_EQ(subject().startedBy("Lumaro"), "/opt/lumaro/lumaro");
  ASSERT_EQ(autostart.writeEntry("Lumaro", "/opt/lumaro2/lumaro"), Result::Written);
  EXPECT_EQ(subject().startedBy("Lumaro"), "/opt/lumaro2/lumaro");
  ASSERT_EQ(autostart.writeEntry("Lumaro", ""), Result::Written);
  EXPECT_EQ(subject().startedBy("Lumaro"), "");
}

TEST_P(AutostartContract, APlaceThatCannotBeWrittenIsReportedAsAFailure) {
  if (!subject().makeUnwritable()) GTEST_SKIP() << "an unwritable place cannot be arranged here";
  EXPECT_NE(subject().autostart().writeEntry("Lumaro", "/opt/lumaro/lumaro"), Result::Written);
  EXPECT_EQ(subject().startedBy("Lumaro"), std::nullopt);
}

}  // namespace
}  // namespace lumaro::platform::contract
