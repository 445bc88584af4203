// Key names and grabs under the keyboard layout the X server uses, switched as a desktop switches it
// (run on a private Xvfb by run_on_virtual_desktop.sh).
#include <gtest/gtest.h>

#include <QProcess>
#include <QTest>

#include "backends/linux/desktop/key_grab_hotkeys.h"
#include "hotkey/short_cut.h"

namespace lumaro::platform::linuxos {
namespace {

void useLayout(const QString& layout) {
  ASSERT_EQ(QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("-layout"), layout}), 0);
}

// The server reports the new layout through the event loop; the names follow once it is served.
bool namedSoon(XcbGlobalHotkeys& hotkeys, std::uint32_t virtualKey, const std::string& name) {
  return QTest::qWaitFor([&] { return hotkeys.keyName(virtualKey) == name; }, 5000);
}

TEST(KeyboardLayoutOnX, PunctuationKeysTakeTheActiveLayoutsNamesWhichFindTheSameKeyAgain) {
  XcbGlobalHotkeys hotkeys;
  useLayout(QStringLiteral("us"));
  EXPECT_TRUE(namedSoon(hotkeys, 186, "semicolon"));

  useLayout(QStringLiteral("de"));
  EXPECT_TRUE(namedSoon(hotkeys, 186, "odiaeresis"));
  EXPECT_EQ(hotkeys.keyName(222), "adiaeresis");
  EXPECT_EQ(hotkeys.keyName(219), "udiaeresis");
  EXPECT_EQ(hotkeys.keyName(189), "ssharp");
  EXPECT_EQ(hotkeys.keyName(191), "minus");
  EXPECT_EQ(hotkeys.keyName(107), "KP_Add");  // keys outside the punctuation keep their symbol
  EXPECT_EQ(hotkeys.keyName(173), "XF86AudioMute");
  for (std::uint32_t code : {186u, 187u, 188u, 189u, 190u, 191u, 192u, 219u, 220u, 221u, 222u, 226u}) {
    const std::string text = "Ctrl+Alt+" + hotkey::keyCodeName(code, hotkeys);
    EXPECT_EQ(hotkey::TextToShortCut(text, hotkeys), hotkey::scCtrl | hotkey::scAlt | code) << text;
  }

  // The combination named "Ctrl+Alt+odiaeresis" is the one a user of that layout presses.
  bool pressed = false;
  ASSERT_TRUE(hotkeys.registerHotkey(1, kModControl | kModAlt, 186, [&] { pressed = true; }));
  ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"),
                              {QStringLiteral("key"), QStringLiteral("ctrl+alt+odiaeresis")}),
            0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return pressed; }, 5000));
  hotkeys.unregisterHotkey(1);

  useLayout(QStringLiteral("us"));
  EXPECT_TRUE(namedSoon(hotkeys, 186, "semicolon"));
}

}  // namespace
}  // namespace lumaro::platform::linuxos
