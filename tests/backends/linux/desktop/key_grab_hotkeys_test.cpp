#include "backends/linux/desktop/key_grab_hotkeys.h"

#include <gtest/gtest.h>

#include "backends/linux/desktop/virtual_key_symbols.h"
#include "hotkey/short_cut.h"

namespace lumaro::platform::linuxos {
namespace {

TEST(XcbGlobalHotkeys, VirtualKeysMapToTheirKeysyms) {
  EXPECT_EQ(keysymForVirtualKey('M'), 0x6du);  // the lower-case letter: X grabs by unshifted symbol
  EXPECT_EQ(keysymForVirtualKey('0'), 0x30u);
  EXPECT_EQ(keysymForVirtualKey(116), 0xffc2u);  // F5
  EXPECT_EQ(keysymForVirtualKey(135), 0xffd5u);  // F24
  EXPECT_EQ(keysymForVirtualKey(101), 0xffb5u);  // keypad 5
  EXPECT_EQ(keysymForVirtualKey(33), 0xff55u);   // PgUp
  EXPECT_EQ(keysymForVirtualKey(46), 0xffffu);   // Del
  EXPECT_EQ(keysymForVirtualKey(186), 0x3bu);    // semicolon
  EXPECT_EQ(keysymForVirtualKey(7), 0u);         // an unassigned code
}

TEST(XcbGlobalHotkeys, SymbolsShowTheirCharacterOrElseTheirName) {
  EXPECT_EQ(keysymCharacter(0xe7), "Ç");  // ccedilla, as the key is labelled
  EXPECT_EQ(keysymCharacter(0xc7), "Ç");
  EXPECT_EQ(keysymCharacter(0xdf), "ß");    // no capital of its own here
  EXPECT_EQ(keysymCharacter(0xfe51), "´");  // dead_acute
  EXPECT_EQ(keysymCharacter(0xfe53), "~");  // dead_tilde
  EXPECT_EQ(keysymCharacter(0x3b), ";");
  EXPECT_EQ(keysymCharacter(0x1000e9), "");  // not a keysym
  EXPECT_EQ(keysymCharacter(0x10020ac), "€");
  EXPECT_EQ(keysymCharacter(0xffab), "");  // KP_Add: the keypad keeps its names
  EXPECT_EQ(keysymCharacter(0xff0d), "");  // Return
  EXPECT_EQ(keysymCharacter(0x20), "");    // space
  EXPECT_EQ(keysymCharacter(0), "");
}

// Keys outside the fixed name table are shown by their character, or by their X symbol when they have
// none; both names parse back.
TEST(XcbGlobalHotkeys, KeysWithoutAFixedNameRoundTripThroughTheirNames) {
  XcbGlobalHotkeys hotkeys;
  EXPECT_EQ(hotkeys.keyNames(186), (std::vector<std::string>{";", "semicolon"}));
  EXPECT_EQ(hotkeys.keyNames(107), std::vector<std::string>{"KP_Add"});
  EXPECT_EQ(hotkeys.keyNames(173), std::vector<std::string>{"XF86AudioMute"});
  EXPECT_TRUE(hotkeys.keyNames(7).empty());
  for (std::uint32_t code : {19u, 44u, 93u, 106u, 145u, 173u, 186u, 191u, 222u, 226u}) {
    const std::string text = "Ctrl+Alt+" + hotkey::keyCodeName(code, hotkeys);
    EXPECT_EQ(hotkey::TextToShortCut(text, hotkeys), hotkey::scCtrl | hotkey::scAlt | code) << text;
  }
  EXPECT_EQ(hotkey::TextToShortCut("Shift+Alt+SEMICOLON", hotkeys), hotkey::scShift | hotkey::scAlt | 186);
}

TEST(XcbGlobalHotkeys, WithoutAnXServerNothingRegisters) {
  XcbGlobalHotkeys hotkeys;  // the tests run on the offscreen platform
  EXPECT_FALSE(hotkeys.registerHotkey(1, kModControl | kModAlt, 'M', [] {}));
  hotkeys.unregisterHotkey(1);
}

}  // namespace
}  // namespace lumaro::platform::linuxos
