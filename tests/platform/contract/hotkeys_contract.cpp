#include "platform/contract/hotkeys_contract.h"

namespace lumaro::platform::contract {
namespace {

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(GlobalHotkeysContract);

constexpr std::uint32_t kCtrlAlt = kModControl | kModAlt;

TEST_P(GlobalHotkeysContract, AHeldCombinationRunsItsCallbackUntilGivenBack) {
  GlobalHotkeys& hotkeys = subject().hotkeys();
  hotkeys.unregisterHotkey(99);  // never registered: harmless
  int presses = 0;
  if (!hotkeys.registerHotkey(1, kCtrlAlt, 'M', [&] { ++presses; })) {
    // Nothing is held: a press reaches nobody.
    subject().press(kCtrlAlt, 'M');
    EXPECT_EQ(presses, 0);
    return;
  }
  if (!subject().press(kCtrlAlt, 'M')) GTEST_SKIP() << "presses cannot be made here";
  EXPECT_EQ(presses, 1);
  subject().press(kModControl, 'M');  // another combination
  EXPECT_EQ(presses, 1);

  hotkeys.unregisterHotkey(1);
  subject().press(kCtrlAlt, 'M');
  EXPECT_EQ(presses, 1);
  ASSERT_TRUE(hotkeys.registerHotkey(1, kCtrlAlt, 'M', [&] { ++presses; }));
  subject().press(kCtrlAlt, 'M');
  EXPECT_EQ(presses, 2);
  hotkeys.unregisterHotkey(1);
}

}  // namespace
}  // namespace lumaro::platform::contract
