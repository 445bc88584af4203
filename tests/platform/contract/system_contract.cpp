#include "platform/contract/system_contract.h"

#include <algorithm>
#include <cctype>

namespace lumaro::platform::contract {
namespace {

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(SystemContract);

TEST_P(SystemContract, TheFamilyIsAKnownOneAndTheDecimalSeparatorIsNoDigit) {
  const auto family = subject().systemInfo().platformFamily();
  if (family) {
    EXPECT_TRUE(*family == kFamily9x || *family == kFamilyNt) << *family;
  }

  const std::string separator = subject().systemInfo().decimalSeparator();
  ASSERT_FALSE(separator.empty());
  EXPECT_LE(separator.size(), 4u) << "one character";
  EXPECT_TRUE(std::none_of(separator.begin(), separator.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) || c == ' ';
  })) << separator;
}

TEST_P(SystemContract, SystemResourcesAreEitherUnavailableOrFreeShares) {
  SystemResources& resources = subject().systemResources();
  if (!resources.open()) return;
  for (int kind = 0; kind < 3; ++kind) {
    const int free = resources.freePercent(kind);
    EXPECT_GE(free, 0) << "kind " << kind;
    EXPECT_LE(free, 65535) << "kind " << kind;
  }
  resources.close();
}

}  // namespace
}  // namespace lumaro::platform::contract
