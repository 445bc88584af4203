#include <windows.h>

#include <commctrl.h>

#include "backends/win32/views/view_fixture.h"
#include "toolkit/controls/combo_box.h"

namespace lumaro::platform::win32::test {
namespace {

using toolkit::Component;

class ComboBoxViewTest : public ViewTest {
 protected:
  ComboBoxViewTest() : combo_(add<toolkit::ComboBox>("cbMegs")) {
    combo_.setBounds({10, 10, 120, 21});
    combo_.setItems({"16", "32", "64"});
    combo_.OnClick = [this](Component&) { ++clicks_; };
    combo_.OnChange = [this](Component&) { ++changes_; };
  }

  HWND editor() const {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(window("cbMegs"), &info);
    return info.hwndItem;
  }
  void type(HWND target, const char* keys) {
    for (const char* key = keys; *key != 0; ++key)
      SendMessageW(target, WM_CHAR, static_cast<WPARAM>(*key), 1);
  }
  int selected() const { return static_cast<int>(SendMessageW(window("cbMegs"), CB_GETCURSEL, 0, 0)); }

  toolkit::ComboBox& combo_;
  int clicks_ = 0;
  int changes_ = 0;
};

TEST_F(ComboBoxViewTest, ShowsTheModelWithoutEchoingIt) {
  combo_.setStyle(toolkit::ComboStyle::DropDownList);
  showForm();
  EXPECT_EQ(SendMessageW(window("cbMegs"), CB_GETCOUNT, 0, 0), 3);
  EXPECT_TRUE(hasStyle(window("cbMegs"), CBS_DROPDOWNLIST));

  combo_.setItemIndex(2);
  EXPECT_EQ(selected(), 2);

  // Another style is another box, with the same contents.
  combo_.setStyle(toolkit::ComboStyle::DropDown);
  combo_.setText("100");
  EXPECT_FALSE(hasStyle(window("cbMegs"), CBS_DROPDOWNLIST));
  EXPECT_EQ(SendMessageW(window("cbMegs"), CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(shownText(window("cbMegs")), L"100");
  EXPECT_EQ(clicks_ + changes_, 0);
}

TEST_F(ComboBoxViewTest, AChoiceFromTheListGoesToTheModelOnce) {
  combo_.setStyle(toolkit::ComboStyle::DropDownList);
  combo_.setItemIndex(0);
  showForm();

  SendMessageW(window("cbMegs"), WM_KEYDOWN, VK_DOWN, 0);

  EXPECT_EQ(combo_.itemIndex(), 1);
  EXPECT_EQ(selected(), 1);
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(changes_, 1);
}

TEST_F(ComboBoxViewTest, TypingGoesThroughOnKeyPressWhichMaySwallowOrReplaceKeys) {
  combo_.OnKeyPress = [](Component&, char& key) {
    if (key == ',') key = '.';
    if (key != '\b' && key != '.' && (key < '0' || key > '9')) key = 0;
  };
  showForm();

  type(editor(), "1a2,5");
  EXPECT_EQ(combo_.text(), "12.5");
  EXPECT_EQ(shownText(editor()), L"12.5");
  EXPECT_EQ(changes_, 4);

  type(editor(), "\b");
  EXPECT_EQ(combo_.text(), "12.");

  combo_.OnKeyPress = fail;
  type(editor(), "7");
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});
  EXPECT_EQ(shownText(editor()), L"12.");
}

TEST_F(ComboBoxViewTest, ADropDownListPassesTypedKeysToOnKeyPressOnly) {
  combo_.setStyle(toolkit::ComboStyle::DropDownList);
  combo_.setItems({"Branco", "Cinza", "Preto", ""});
  combo_.setItemIndex(1);
  std::string pressed;
  combo_.OnKeyPress = [&](Component&, char& key) {
    pressed += key;
    key = 0;
  };
  showForm();

  type(window("cbMegs"), "pb");  // the list's own search would pick "Preto", then "Branco"

  EXPECT_EQ(pressed, "pb");
  EXPECT_EQ(combo_.itemIndex(), 1);
  EXPECT_EQ(selected(), 1);
  EXPECT_EQ(clicks_ + changes_, 0);
}

}  // namespace
}  // namespace lumaro::platform::win32::test
