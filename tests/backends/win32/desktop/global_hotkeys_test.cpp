#include "backends/win32/desktop/global_hotkeys.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumaro::platform::win32 {
namespace {

TEST(Win32GlobalHotkeysTest, ARegisteredCombinationRunsItsHandlerAndATakenOneFails) {
  Win32GlobalHotkeys hotkeys;
  Win32GlobalHotkeys other;
  int pressed = 0;
  ASSERT_TRUE(hotkeys.registerHotkey(1, kModControl | kModAlt, 'M', [&] { ++pressed; }));
  // Held by us already: another holder is refused, and holds nothing.
  EXPECT_FALSE(other.registerHotkey(1, kModControl | kModAlt, 'M', [] {}));

  // The system's identifier of our first registration is 0.
  SendMessageW(hotkeys.window(), WM_HOTKEY, 0, MAKELPARAM(MOD_CONTROL | MOD_ALT, 'M'));
  SendMessageW(hotkeys.window(), WM_HOTKEY, 77, 0);
  EXPECT_EQ(pressed, 1);

  // Released, the combination is free for the other holder; registering an id again replaces it.
  hotkeys.unregisterHotkey(1);
  hotkeys.unregisterHotkey(1);
  EXPECT_TRUE(other.registerHotkey(4, kModControl | kModAlt, 'M', [] {}));
  EXPECT_TRUE(other.registerHotkey(4, kModControl | kModShift, VK_F5, [] {}));
  EXPECT_TRUE(hotkeys.registerHotkey(2, kModControl | kModAlt, 'M', [] {}));
}

TEST(Win32GlobalHotkeysTest, EachCombinationHasTheLowestIdentifierFreeSoASingleOneIsAlwaysZero) {
  Win32GlobalHotkeys hotkeys;
  std::vector<int> pressed;
  ASSERT_TRUE(hotkeys.registerHotkey(1, kModControl | kModAlt, 'M', [&] { pressed.push_back(1); }));
  // Changing the combination frees 0 before it is taken again.
  ASSERT_TRUE(hotkeys.registerHotkey(1, kModControl | kModAlt, 'N', [&] { pressed.push_back(2); }));
  ASSERT_TRUE(hotkeys.registerHotkey(9, kModControl | kModAlt, 'O', [&] { pressed.push_back(9); }));
  SendMessageW(hotkeys.window(), WM_HOTKEY, 0, 0);
  SendMessageW(hotkeys.window(), WM_HOTKEY, 1, 0);
  hotkeys.unregisterHotkey(1);
  ASSERT_TRUE(hotkeys.registerHotkey(3, kModControl | kModAlt, 'P', [&] { pressed.push_back(3); }));
  SendMessageW(hotkeys.window(), WM_HOTKEY, 0, 0);
  EXPECT_EQ(pressed, (std::vector<int>{2, 9, 3}));
}

TEST(Win32GlobalHotkeysTest, KeysWithoutAFixedNameAreNamedByTheLayout) {
  Win32GlobalHotkeys hotkeys;
  EXPECT_FALSE(hotkeys.keyNames(VK_OEM_1).empty());
  EXPECT_FALSE(hotkeys.keyNames(VK_MULTIPLY).empty());
  for (const std::string& name : hotkeys.keyNames(VK_OEM_1)) EXPECT_FALSE(name.empty());
  // A code no key has.
  EXPECT_TRUE(hotkeys.keyNames(0xFF).empty());
}

}  // namespace
}  // namespace lumaro::platform::win32
