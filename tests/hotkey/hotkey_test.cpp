#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "backends/fake/fake_event_loop.h"
#include "backends/fake/fake_hotkeys.h"
#include "backends/fake/fake_system.h"
#include "hotkey/fis_hot_key.h"
#include "hotkey/short_cut.h"
#include "toolkit/core/error.h"

namespace lumaro::hotkey {
namespace {

using ::testing::ElementsAre;

TEST(ShortCutText, PrefixesInAnyOrderAndCaseThenTheLowestCodeWithTheName) {
  platform::fake::FakeHotkeys keys;
  EXPECT_EQ(TextToShortCut("Ctrl+Alt+M", keys), scCtrl | scAlt | 'M');
  EXPECT_EQ(TextToShortCut("alt+CTRL+m", keys), scCtrl | scAlt | 'M');
  EXPECT_EQ(TextToShortCut("^Shift+F5", keys), scCtrl | scShift | 116);
  EXPECT_EQ(TextToShortCut("Shift+Alt+9", keys), scShift | scAlt | '9');  // the main row, not the keypad
  EXPECT_EQ(TextToShortCut("Ctrl+Alt+F24", keys), scCtrl | scAlt | 135);
  EXPECT_EQ(TextToShortCut("pgdn", keys), 34);
  EXPECT_EQ(TextToShortCut("Alt+BkSp", keys), scAlt | 8);
  EXPECT_EQ(TextToShortCut("Esc", keys), 27);
  EXPECT_EQ(TextToShortCut("Del", keys), 46);
}

TEST(ShortCutText, TextsThatNameNoKeyGiveZero) {
  platform::fake::FakeHotkeys keys;
  EXPECT_EQ(TextToShortCut("", keys), 0);
  EXPECT_EQ(TextToShortCut("Ctrl+Alt+", keys), 0);
  EXPECT_EQ(TextToShortCut("Ctrl+Alt+MM", keys), 0);
  EXPECT_EQ(TextToShortCut("F25", keys), 0);
  EXPECT_EQ(TextToShortCut("Ctrl Alt M", keys), 0);
  keys.layoutNames[186] = {";"};  // other keys take the layout's names
  EXPECT_EQ(TextToShortCut("Ctrl+;", keys), scCtrl | 186);
  keys.layoutNames[192] = {"Ç"};  // a layout's letter matches its other case, as the system's would
  EXPECT_EQ(TextToShortCut("Ctrl+Alt+ç", keys), scCtrl | scAlt | 192);
  EXPECT_EQ(TextToShortCut("Ctrl+Alt+c", keys), scCtrl | scAlt | 'C');
  EXPECT_EQ(keyCodeName(101, keys), "5");
  EXPECT_EQ(keyCodeName(0, keys), "");
}

TEST(ShortCutText, ALayoutsKeyIsShownByItsFirstNameAndFoundByAnyOfThem) {
  platform::fake::FakeHotkeys keys;
  keys.layoutNames[186] = {"Ç", "ccedilla"};  // the character, then the name older texts used
  keys.layoutNames[222] = {"´", "dead_acute"};
  EXPECT_EQ(keyCodeName(186, keys), "Ç");
  EXPECT_EQ(TextToShortCut("Ctrl+Alt+Ç", keys), scCtrl | scAlt | 186);
  EXPECT_EQ(TextToShortCut("Ctrl+Alt+CCEDILLA", keys), scCtrl | scAlt | 186);
  EXPECT_EQ(TextToShortCut("Shift+Alt+´", keys), scShift | scAlt | 222);
  EXPECT_EQ(TextToShortCut("Ctrl+Alt+ç+", keys), 0);
  keys.layoutNames[220] = {"^", "dead_circumflex"};
  EXPECT_EQ(TextToShortCut("Shift+Alt+^", keys), scShift | scAlt | 220);
  EXPECT_EQ(TextToShortCut("^^", keys), scCtrl | 220);

  // A layout that puts a letter of the fixed table on another key too: the letter's own code counts.
  keys.layoutNames[188] = {"M", "m"};
  EXPECT_EQ(TextToShortCut("Ctrl+Alt+m", keys), scCtrl | scAlt | 'M');
  // The fixed table is never asked of the layout.
  keys.layoutNames['Q'] = {"Ç"};
  keys.layoutNames[112] = {"Ç"};
  EXPECT_EQ(keyCodeName('Q', keys), "Q");
  EXPECT_EQ(TextToShortCut("Ctrl+Alt+Ç", keys), scCtrl | scAlt | 186);
}

class HotKeyTest : public ::testing::Test {
 protected:
  platform::fake::FakeEventLoop loop;
  platform::fake::FakeMessageBox box;
  toolkit::Application app{loop, box};
  platform::fake::FakeHotkeys keys;
};

TEST_F(HotKeyTest, RegistersWhileEnabledAndEachPressRaisesTheEvent) {
  TfisHotKey hotKey(nullptr, app, keys);
  int presses = 0;
  hotKey.OnHotKey = [&](toolkit::Component&) { ++presses; };
  hotKey.setEnabled(false);
  hotKey.setKey(TextToShortCut("Ctrl+Alt+M", keys));
  EXPECT_FALSE(keys.press(platform::kModControl | platform::kModAlt, 'M'));
  hotKey.setEnabled(true);
  EXPECT_TRUE(hotKey.registered());
  EXPECT_TRUE(keys.press(platform::kModControl | platform::kModAlt, 'M'));
  EXPECT_EQ(presses, 1);

  hotKey.setKey(TextToShortCut("Shift+Alt+F5", keys));  // the old combination is released at once
  EXPECT_FALSE(keys.press(platform::kModControl | platform::kModAlt, 'M'));
  EXPECT_TRUE(keys.press(platform::kModShift | platform::kModAlt, 116));
  EXPECT_EQ(presses, 2);
  hotKey.setEnabled(false);
  EXPECT_TRUE(keys.held.empty());
}

TEST_F(HotKeyTest, TakenOrEmptyCombinationsStayUnregisteredSilently) {
  keys.taken.insert({platform::kModControl | platform::kModAlt, 'M'});
  TfisHotKey hotKey(nullptr, app, keys);
  hotKey.setKey(TextToShortCut("Ctrl+Alt+M", keys));
  EXPECT_FALSE(hotKey.registered());
  hotKey.setKey(TextToShortCut("nothing", keys));
  EXPECT_FALSE(hotKey.registered());
  EXPECT_TRUE(box.shown.empty());
  hotKey.setKey(TextToShortCut("Ctrl+Alt+Q", keys));  // a free one works again
  EXPECT_TRUE(hotKey.registered());
}

TEST_F(HotKeyTest, HandlerErrorsAreGuardedAndDestructionReleases) {
  std::vector<std::string> handled;
  app.setOnException([&](const std::exception& e) { handled.push_back(e.what()); });
  {
    TfisHotKey hotKey(nullptr, app, keys);
    hotKey.OnHotKey = [](toolkit::Component&) { throw toolkit::Error("busy"); };
    hotKey.setKey(TextToShortCut("Ctrl+Alt+M", keys));
    keys.press(platform::kModControl | platform::kModAlt, 'M');
  }
  EXPECT_THAT(handled, ElementsAre("busy"));
  EXPECT_TRUE(keys.held.empty());
}

}  // namespace
}  // namespace lumaro::hotkey
