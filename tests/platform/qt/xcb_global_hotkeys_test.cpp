#include "platform/qt/xcb_global_hotkeys.h"

#include <gtest/gtest.h>

namespace lumaro::platform::qt {
namespace {

TEST(XcbGlobalHotkeys, VirtualKeysMapToTheirKeysyms) {
  EXPECT_EQ(keysymForVirtualKey('M'), 0x6du);  // the lower-case letter: X grabs by unshifted symbol
  EXPECT_EQ(keysymForVirtualKey('0'), 0x30u);
  EXPECT_EQ(keysymForVirtualKey(116), 0xffc2u);  // F5
  EXPECT_EQ(keysymForVirtualKey(135), 0xffd5u);  // F24
  EXPECT_EQ(keysymForVirtualKey(101), 0xffb5u);  // keypad 5
  EXPECT_EQ(keysymForVirtualKey(33), 0xff55u);   // PgUp
  EXPECT_EQ(keysymForVirtualKey(46), 0xffffu);   // Del
  EXPECT_EQ(keysymForVirtualKey(186), 0u);
}

TEST(XcbGlobalHotkeys, WithoutAnXServerNothingRegisters) {
  XcbGlobalHotkeys hotkeys;  // the tests run on the offscreen platform
  EXPECT_FALSE(hotkeys.registerHotkey(1, kModControl | kModAlt, 'M', [] {}));
  hotkeys.unregisterHotkey(1);
}

}  // namespace
}  // namespace lumaro::platform::qt
