// Key names and grabs under real keyboard layouts the X server uses, switched as a desktop switches
// them (run on a private Xvfb by run_on_virtual_desktop.sh).
#include <gtest/gtest.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <QGuiApplication>
#include <QProcess>
#include <QTest>

#include "backends/fake/fake_file_store.h"
#include "backends/linux/desktop/key_grab_hotkeys.h"
#include "hotkey/short_cut.h"
#include "settings/ini_file.h"

namespace lumaro::platform::linuxos {
namespace {

constexpr std::uint32_t kCtrlAlt = kModControl | kModAlt;

void useLayout(const QString& layout, const QStringList& more = {}) {
  ASSERT_EQ(
      QProcess::execute(QStringLiteral("setxkbmap"), QStringList{QStringLiteral("-layout"), layout} + more),
      0);
}

xcb_connection_t* connection() {
  return qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

// The X key code at a place on the keyboard ("AB01": left of the bottom row), as the server has it now.
std::uint8_t keyAt(const char* place) {
  xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
  xkb_keymap* keymap = xkb_x11_keymap_new_from_device(
      context, connection(), xkb_x11_get_core_keyboard_device_id(connection()), XKB_KEYMAP_COMPILE_NO_FLAGS);
  const xkb_keycode_t keycode = xkb_keymap_key_by_name(keymap, place);
  xkb_keymap_unref(keymap);
  xkb_context_unref(context);
  return static_cast<std::uint8_t>(keycode);
}

// Ctrl+Alt and the key at `place`, pressed as the user would.
void pressCtrlAltAt(const char* place) {
  const std::uint8_t keys[] = {keyAt("LCTL"), keyAt("LALT"), keyAt(place)};
  for (std::uint8_t key : keys) {
    xcb_test_fake_input(connection(), XCB_KEY_PRESS, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
  }
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
    xcb_test_fake_input(connection(), XCB_KEY_RELEASE, *key, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
  }
  xcb_flush(connection());
}

// The server reports a new layout through the event loop; the names follow once it is served.
bool shownSoon(XcbGlobalHotkeys& hotkeys, std::uint32_t virtualKey, const std::string& name) {
  return QTest::qWaitFor([&] { return hotkey::keyCodeName(virtualKey, hotkeys) == name; }, 5000);
}

// Presses the key until the combination answers: the new grab is made from the event loop once the
// server has reported the new keymap.
bool answersSoon(const char* place, const int& presses) {
  const int before = presses;
  return QTest::qWaitFor(
      [&] {
        pressCtrlAltAt(place);
        return presses > before;
      },
      5000);
}

// Ctrl+Alt+Ins held beside the combination under test: once its press arrives, every press sent
// before it has been served. (Ctrl+Alt with a function key switches consoles.)
class Sentinel {
 public:
  explicit Sentinel(XcbGlobalHotkeys& hotkeys) {
    EXPECT_TRUE(hotkeys.registerHotkey(99, kCtrlAlt, 45, [this] { ++arrived_; }));
  }
  bool passed() {
    const int before = arrived_;
    pressCtrlAltAt("INS");
    return QTest::qWaitFor([&] { return arrived_ > before; }, 5000);
  }

 private:
  int arrived_ = 0;
};

class KeyboardLayoutOnX : public ::testing::Test {
 protected:
  void TearDown() override { useLayout(QStringLiteral("us")); }

  // The text as a user types it, the combination it names, and the text written back.
  std::string roundTrip(const std::string& typed) {
    const hotkey::TShortCut key = hotkey::TextToShortCut(typed, hotkeys);
    return key == 0 ? std::string() : "Ctrl+Alt+" + hotkey::keyCodeName(key & 0xFF, hotkeys);
  }

  XcbGlobalHotkeys hotkeys;
};

TEST_F(KeyboardLayoutOnX, KeysAreNamedByTheCharacterTheActiveLayoutShows) {
  useLayout(QStringLiteral("de"));
  EXPECT_TRUE(shownSoon(hotkeys, 186, "Ö"));
  EXPECT_EQ(hotkey::keyCodeName(222, hotkeys), "Ä");
  EXPECT_EQ(hotkey::keyCodeName(189, hotkeys), "ß");
  EXPECT_EQ(hotkey::keyCodeName(187, hotkeys), "´");  // a dead key shows its mark
  EXPECT_EQ(hotkey::keyCodeName(191, hotkeys), "-");
  EXPECT_EQ(hotkey::keyCodeName(107, hotkeys), "KP_Add");  // keys without a character keep their symbol
  EXPECT_EQ(hotkey::keyCodeName(173, hotkeys), "XF86AudioMute");

  useLayout(QStringLiteral("br"));
  EXPECT_TRUE(shownSoon(hotkeys, 186, "Ç"));
  EXPECT_EQ(hotkey::keyCodeName(219, hotkeys), "´");
  EXPECT_EQ(hotkey::keyCodeName(222, hotkeys), "~");
  EXPECT_EQ(hotkey::keyCodeName(191, hotkeys), ";");
  EXPECT_EQ(hotkey::keyCodeName(193, hotkeys), "/");  // the extra key of the Brazilian keyboard

  useLayout(QStringLiteral("fr"));
  EXPECT_TRUE(shownSoon(hotkeys, 222, "Ù"));
  EXPECT_EQ(hotkey::keyCodeName(219, hotkeys), "^");

  useLayout(QStringLiteral("us"));
  EXPECT_TRUE(shownSoon(hotkeys, 186, ";"));
}

TEST_F(KeyboardLayoutOnX, TypedNamesFindTheirKeyInAnyCaseAndReadBackTheSame) {
  useLayout(QStringLiteral("br"));
  ASSERT_TRUE(shownSoon(hotkeys, 186, "Ç"));
  EXPECT_EQ(roundTrip("Ctrl+Alt+Ç"), "Ctrl+Alt+Ç");
  EXPECT_EQ(roundTrip("ctrl+alt+ç"), "Ctrl+Alt+Ç");
  EXPECT_EQ(roundTrip("Ctrl+Alt+ccedilla"), "Ctrl+Alt+Ç");  // as older versions wrote it
  EXPECT_EQ(roundTrip("Ctrl+Alt+´"), "Ctrl+Alt+´");
  EXPECT_EQ(roundTrip("Ctrl+Alt+~"), "Ctrl+Alt+~");
  EXPECT_EQ(roundTrip("Ctrl+Alt+KP_Add"), "Ctrl+Alt+KP_Add");

  useLayout(QStringLiteral("de"));
  ASSERT_TRUE(shownSoon(hotkeys, 186, "Ö"));
  EXPECT_EQ(roundTrip("Ctrl+Alt+ß"), "Ctrl+Alt+ß");
  EXPECT_EQ(roundTrip("Ctrl+Alt+ö"), "Ctrl+Alt+Ö");
  EXPECT_EQ(roundTrip("Ctrl+Alt+Ç"), "");  // no key of this layout shows it
  EXPECT_EQ(roundTrip("Ctrl+Alt+Z"), "Ctrl+Alt+Z");

  // Every name of every layout key, through the settings file and back.
  fake::FakeFileStore files;
  const settings::IniFile ini(files, "/lumaro.ini");
  for (std::uint32_t code = 1; code <= 0xFF; ++code) {
    const std::string name = hotkey::keyCodeName(code, hotkeys);
    if (name.empty()) continue;
    const std::string text = "Shift+Alt+" + name;
    ini.writeString("Config", "cbHotKey_Text", text);
    const std::string stored = ini.readString("Config", "cbHotKey_Text", "");
    EXPECT_EQ(stored, text);
    const hotkey::TShortCut key = hotkey::TextToShortCut(stored, hotkeys);
    EXPECT_EQ(hotkey::keyCodeName(key & 0xFF, hotkeys), name) << text;
  }
}

TEST_F(KeyboardLayoutOnX, TheCombinationIsTheKeyThatShowsItsCharacter) {
  useLayout(QStringLiteral("br"));
  ASSERT_TRUE(shownSoon(hotkeys, 186, "Ç"));
  int cedilla = 0;
  ASSERT_TRUE(hotkeys.registerHotkey(1, kCtrlAlt, hotkey::TextToShortCut("Ctrl+Alt+Ç", hotkeys) & 0xFF,
                                     [&] { ++cedilla; }));
  EXPECT_TRUE(answersSoon("AC10", cedilla));
  hotkeys.unregisterHotkey(1);

  // On a German keyboard Z and Y trade places: Ctrl+Alt+Z is the key that shows Z.
  useLayout(QStringLiteral("de"));
  ASSERT_TRUE(shownSoon(hotkeys, 186, "Ö"));
  int z = 0;
  ASSERT_TRUE(hotkeys.registerHotkey(1, kCtrlAlt, hotkey::TextToShortCut("Ctrl+Alt+Z", hotkeys) & 0xFF,
                                     [&] { ++z; }));
  Sentinel sentinel(hotkeys);
  pressCtrlAltAt("AB01");  // shows Y here
  ASSERT_TRUE(sentinel.passed());
  EXPECT_EQ(z, 0);
  EXPECT_TRUE(answersSoon("AD06", z));
}

TEST_F(KeyboardLayoutOnX, TheCombinationFollowsItsKeyWhenTheLayoutChangesWhileHeld) {
  useLayout(QStringLiteral("us"));
  int m = 0;
  ASSERT_TRUE(hotkeys.registerHotkey(1, kCtrlAlt, 'M', [&] { ++m; }));
  Sentinel sentinel(hotkeys);
  EXPECT_TRUE(answersSoon("AB07", m));

  // French keyboards carry M right of L, and a comma where the US one has M.
  useLayout(QStringLiteral("fr"));
  EXPECT_TRUE(answersSoon("AC10", m));
  ASSERT_TRUE(sentinel.passed());  // the presses still on their way have arrived
  const int before = m;
  pressCtrlAltAt("AB07");  // the old key is given back
  ASSERT_TRUE(sentinel.passed());
  EXPECT_EQ(m, before);

  for (const char* layout : {"de", "br", "us"}) {
    useLayout(QString::fromLatin1(layout));
    EXPECT_TRUE(answersSoon("AB07", m)) << layout;  // M sits at the US place on these
  }

  // A punctuation key means the character it showed when chosen, wherever the layout puts it.
  useLayout(QStringLiteral("de"));
  ASSERT_TRUE(shownSoon(hotkeys, 186, "Ö"));
  int umlaut = 0;
  ASSERT_TRUE(hotkeys.registerHotkey(2, kCtrlAlt, 186, [&] { ++umlaut; }));
  EXPECT_TRUE(answersSoon("AC10", umlaut));
  useLayout(QStringLiteral("us"));
  ASSERT_TRUE(shownSoon(hotkeys, 186, ";"));
  ASSERT_TRUE(sentinel.passed());  // the grabs have followed the new keymap
  const int chosen = umlaut;
  pressCtrlAltAt("AC10");  // ";" here: not the chosen character
  ASSERT_TRUE(sentinel.passed());
  EXPECT_EQ(umlaut, chosen);
  useLayout(QStringLiteral("de"));
  EXPECT_TRUE(answersSoon("AC10", umlaut));
}

TEST_F(KeyboardLayoutOnX, ASwitchBetweenTheGroupsOfOneKeymapKeepsTheCombination) {
  useLayout(QStringLiteral("us,de"), {QStringLiteral("-option"), QStringLiteral("grp:caps_toggle")});
  int z = 0;
  ASSERT_TRUE(hotkeys.registerHotkey(1, kCtrlAlt, 'Z', [&] { ++z; }));
  EXPECT_TRUE(answersSoon("AB01", z));
  const std::uint8_t caps = keyAt("CAPS");  // the next group's key with this option
  xcb_test_fake_input(connection(), XCB_KEY_PRESS, caps, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
  xcb_test_fake_input(connection(), XCB_KEY_RELEASE, caps, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
  xcb_flush(connection());
  ASSERT_TRUE(shownSoon(hotkeys, 186, "Ö"));
  EXPECT_TRUE(answersSoon("AD06", z));
  useLayout(QStringLiteral("us"), {QStringLiteral("-option"), QString()});
}

}  // namespace
}  // namespace lumaro::platform::linuxos
