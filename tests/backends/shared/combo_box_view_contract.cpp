#include "backends/shared/views_contract.h"
#include "toolkit/controls/combo_box.h"

namespace lumaro::platform::contract {
namespace {

using toolkit::Component;

struct Events {
  int clicks = 0;
  int changes = 0;
};

// A box of three items whose clicks and changes `events` counts.
toolkit::ComboBox& megs(toolkit::ComboBox& combo, Events& events) {
  combo.setBounds({10, 10, 120, 21});
  combo.setItems({"16", "32", "64"});
  combo.OnClick = [&events](Component&) { ++events.clicks; };
  combo.OnChange = [&events](Component&) { ++events.changes; };
  return combo;
}

TEST_P(ViewsContract, ComboBoxShowsTheModelWithoutEchoingIt) {
  Events events;
  auto& combo = megs(add<toolkit::ComboBox>("cbMegs"), events);
  combo.setStyle(toolkit::ComboStyle::DropDownList);
  showForm();
  EXPECT_EQ(shown("cbMegs").items, (std::vector<std::string>{"16", "32", "64"}));
  EXPECT_FALSE(shown("cbMegs").editable);

  combo.setItemIndex(2);
  EXPECT_EQ(shown("cbMegs").index, 2);
  EXPECT_EQ(shown("cbMegs").text, "64");

  // Another style keeps the contents.
  combo.setStyle(toolkit::ComboStyle::DropDown);
  combo.setText("100");
  EXPECT_TRUE(shown("cbMegs").editable);
  EXPECT_EQ(shown("cbMegs").items.size(), 3u);
  EXPECT_EQ(shown("cbMegs").text, "100");
  EXPECT_EQ(events.clicks + events.changes, 0);
}

TEST_P(ViewsContract, ComboBoxChoiceFromTheListGoesToTheModelOnce) {
  Events events;
  auto& combo = megs(add<toolkit::ComboBox>("cbMegs"), events);
  combo.setStyle(toolkit::ComboStyle::DropDownList);
  combo.setItemIndex(0);
  showForm();

  subject().press("cbMegs", Key::Down);

  EXPECT_EQ(combo.itemIndex(), 1);
  EXPECT_EQ(shown("cbMegs").index, 1);
  EXPECT_EQ(events.clicks, 1);
  EXPECT_EQ(events.changes, 1);
}

TEST_P(ViewsContract, ComboBoxTypingGoesThroughOnKeyPressWhichMaySwallowOrReplaceKeys) {
  Events events;
  auto& combo = megs(add<toolkit::ComboBox>("cbMegs"), events);
  combo.OnKeyPress = [](Component&, char& key) {
    if (key == ',') key = '.';
    if (key != '\b' && key != '.' && (key < '0' || key > '9')) key = 0;
  };
  showForm();

  subject().type("cbMegs", "1a2,5");
  EXPECT_EQ(combo.text(), "12.5");
  EXPECT_EQ(shown("cbMegs").text, "12.5");
  EXPECT_EQ(events.changes, 4);

  subject().type("cbMegs", "\b");
  EXPECT_EQ(combo.text(), "12.");
  EXPECT_EQ(shown("cbMegs").text, "12.");

  // A failing handler reaches the guard, and its key is not typed.
  combo.OnKeyPress = fail;
  subject().type("cbMegs", "7");
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});
  EXPECT_EQ(shown("cbMegs").text, "12.");
}

TEST_P(ViewsContract, ComboBoxDropDownListPassesTypedKeysToOnKeyPressOnly) {
  Events events;
  auto& combo = megs(add<toolkit::ComboBox>("cbMegs"), events);
  combo.setStyle(toolkit::ComboStyle::DropDownList);
  combo.setItems({"Branco", "Cinza", "Preto", ""});
  combo.setItemIndex(1);
  std::string pressed;
  combo.OnKeyPress = [&](Component&, char& key) {
    pressed += key;
    key = 0;
  };
  showForm();

  subject().type("cbMegs", "pb");  // the list's own search would pick "Preto", then "Branco"

  EXPECT_EQ(pressed, "pb");
  EXPECT_EQ(combo.itemIndex(), 1);
  EXPECT_EQ(shown("cbMegs").index, 1);
  EXPECT_EQ(shown("cbMegs").text, "Cinza");
  EXPECT_EQ(events.clicks + events.changes, 0);
}

}  // namespace
}  // namespace lumaro::platform::contract
