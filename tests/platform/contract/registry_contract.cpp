#include "platform/contract/registry_contract.h"

#include <algorithm>
#include <cctype>

namespace lumaro::platform::contract {
namespace {

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(RegistryContract);

std::string upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

TEST_P(RegistryContract, ASetValueReadsBackAndASecondSetReplacesIt) {
  Registry& registry = subject().registry();
  const std::string key = subject().freshKey();
  EXPECT_EQ(subject().valueOf(key, "idle"), std::nullopt);
  ASSERT_TRUE(registry.setDword(key, "idle", 1));
  EXPECT_EQ(subject().valueOf(key, "idle"), 1u);
  ASSERT_TRUE(registry.setDword(key, "DisablePagingExecutive", 0xABCDEF12));
  ASSERT_TRUE(registry.setDword(key, "idle", 0));
  EXPECT_EQ(subject().valueOf(key, "idle"), 0u);
  EXPECT_EQ(subject().valueOf(key, "DisablePagingExecutive"), 0xABCDEF12u);
}

TEST_P(RegistryContract, KeyAndValueNamesCompareWithoutRegardToCase) {
  Registry& registry = subject().registry();
  const std::string key = subject().freshKey();
  ASSERT_TRUE(registry.setDword(key, "idle", 1));
  ASSERT_TRUE(registry.setDword(upper(key), "IDLE", 7));
  EXPECT_EQ(subject().valueOf(key, "idle"), 7u);
  EXPECT_EQ(subject().valueOf(upper(key), "Idle"), 7u);
}

TEST_P(RegistryContract, AStoreThatRefusesChangesKeepsTheValuesItHas) {
  Registry& registry = subject().registry();
  const std::string key = subject().freshKey();
  ASSERT_TRUE(registry.setDword(key, "idle", 1));
  if (!subject().makeUnwritable()) GTEST_SKIP() << "a store that refuses cannot be arranged here";
  EXPECT_FALSE(registry.setDword(key, "idle", 0));
  EXPECT_FALSE(registry.setDword(key, "other", 2));
  EXPECT_EQ(subject().valueOf(key, "idle"), 1u);
  EXPECT_EQ(subject().valueOf(key, "other"), std::nullopt);
}

}  // namespace
}  // namespace lumaro::platform::contract
