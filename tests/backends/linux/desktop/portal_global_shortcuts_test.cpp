#include "backends/linux/desktop/portal_global_shortcuts.h"

#include <gtest/gtest.h>

namespace lumaro::platform::linuxos {
namespace {

TEST(PortalGlobalShortcuts, TriggersUseTheFreedesktopModifierNamesAndTheKeysSymbolName) {
  EXPECT_EQ(portalTrigger(kModControl | kModAlt, "m"), "CTRL+ALT+m");
  EXPECT_EQ(portalTrigger(kModShift | kModAlt, "F5"), "ALT+SHIFT+F5");
  EXPECT_EQ(portalTrigger(kModControl | kModAlt | kModShift, "semicolon"), "CTRL+ALT+SHIFT+semicolon");
  EXPECT_EQ(portalTrigger(0, "7"), "7");
  EXPECT_EQ(portalTrigger(kModControl, ""), "");  // a code without a key: nothing to bind
}

TEST(PortalGlobalShortcuts, WithoutAPortalNothingRegisters) {
  PortalGlobalShortcuts shortcuts;  // the unit tests run without a portal on their bus
  if (PortalGlobalShortcuts::available()) GTEST_SKIP() << "a desktop portal answers on this bus";
  EXPECT_FALSE(shortcuts.registerHotkey(1, kModControl | kModAlt, 'M', [] {}));
  shortcuts.unregisterHotkey(1);
}

}  // namespace
}  // namespace lumaro::platform::linuxos
