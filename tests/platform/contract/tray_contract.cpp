#include "platform/contract/tray_contract.h"

namespace lumaro::platform::contract {
namespace {

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(TrayContract);

TrayImage picture(std::uint32_t argb) {
  return TrayImage{16, 16, std::vector<std::uint32_t>(16 * 16, argb)};
}

TEST_P(TrayContract, AnAddedIconCanBeChangedInPlaceUntilRemoved) {
  Tray& tray = subject().tray();
  if (!subject().hasHost()) {
    EXPECT_FALSE(tray.add(1, picture(0xFF00FF00), "Lumaro"));
    return;
  }
  EXPECT_FALSE(tray.modify(1, picture(0xFF00FF00), "never added"));
  ASSERT_TRUE(tray.add(1, picture(0xFF00FF00), "Memória livre: 512 MB"));
  EXPECT_TRUE(tray.modify(1, picture(0x80FF0000), "Memória livre: 480 MB"));
  EXPECT_TRUE(tray.modify(1, picture(0x80FF0000), "Memória livre: 480 MB"));  // the same again
  tray.remove(1);
  EXPECT_FALSE(tray.modify(1, picture(0xFF00FF00), "removed"));
  tray.remove(1);  // again: harmless
}

TEST_P(TrayContract, MouseFactsAreThereWithoutAnyKeyHeld) {
  Tray& tray = subject().tray();
  EXPECT_GT(tray.doubleClickTimeMs(), 0u);
  EXPECT_LT(tray.doubleClickTimeMs(), 5000u);
  const ShiftState keys = tray.shiftState();
  EXPECT_FALSE(keys.shift || keys.alt || keys.ctrl);
}

}  // namespace
}  // namespace lumaro::platform::contract
