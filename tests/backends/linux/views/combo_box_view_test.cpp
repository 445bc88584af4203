#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "backends/linux/views/view_fixture.h"
#include "toolkit/controls/combo_box.h"

namespace lumaro::platform::linuxos::test {
namespace {

using toolkit::Component;

class ComboBoxViewTest : public ViewTest {
 protected:
  ComboBoxViewTest() : combo_(add<toolkit::ComboBox>("cbMegs")) {
    combo_.setItems({"16", "32", "64"});
    combo_.OnClick = [this](Component&) { ++clicks_; };
    combo_.OnChange = [this](Component&) { ++changes_; };
  }

  toolkit::ComboBox& combo_;
  int clicks_ = 0;
  int changes_ = 0;
};

TEST_F(ComboBoxViewTest, ShowsTheModelWithoutEchoingIt) {
  combo_.setStyle(toolkit::ComboStyle::DropDownList);
  showForm();
  auto& widget = this->widget<QComboBox>("cbMegs");
  EXPECT_EQ(widget.count(), 3);
  EXPECT_FALSE(widget.isEditable());

  combo_.setItemIndex(2);
  EXPECT_EQ(widget.currentText(), "64");

  combo_.setStyle(toolkit::ComboStyle::DropDown);
  combo_.setText("100");
  EXPECT_TRUE(widget.isEditable());
  EXPECT_EQ(widget.currentText(), "100");
  EXPECT_EQ(clicks_ + changes_, 0);
}

TEST_F(ComboBoxViewTest, ChoiceFromTheListGoesToTheModel) {
  combo_.setStyle(toolkit::ComboStyle::DropDownList);
  combo_.setItemIndex(0);
  showForm();

  QTest::keyClick(&widget<QComboBox>("cbMegs"), Qt::Key_Down);

  EXPECT_EQ(combo_.itemIndex(), 1);
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(changes_, 1);
}

TEST_F(ComboBoxViewTest, TypingGoesThroughOnKeyPressWhichMaySwallowKeys) {
  combo_.OnKeyPress = [](Component&, char& key) {
    if (key != '\b' && (key < '0' || key > '9')) key = 0;
  };
  showForm();
  QLineEdit& editor = *widget<QComboBox>("cbMegs").lineEdit();

  QTest::keyClicks(&editor, "1a2");
  EXPECT_EQ(combo_.text(), "12");
  EXPECT_EQ(editor.text(), "12");
  EXPECT_EQ(changes_, 2);

  QTest::keyClick(&editor, Qt::Key_Backspace);
  EXPECT_EQ(combo_.text(), "1");
  EXPECT_EQ(editor.text(), "1");
}

TEST_F(ComboBoxViewTest, TheEditorEditsLikeATextFieldAndTheModelGetsTheResult) {
  combo_.setItems({"Ctrl+Alt+M", "Ctrl+Alt+Q"});
  combo_.setText("Ctrl+Alt+M");
  showForm();
  QLineEdit& editor = *widget<QComboBox>("cbMegs").lineEdit();

  int presses = 0;
  combo_.OnKeyPress = [&](Component&, char&) { ++presses; };
  auto& box = widget<QComboBox>("cbMegs");
  box.setFocus();
  QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(&box, "Ctrl+Alt+Q");  // typing replaces the selection
  EXPECT_EQ(presses, 10);
  EXPECT_EQ(combo_.text(), "Ctrl+Alt+Q");
  EXPECT_EQ(combo_.itemIndex(), 1);

  editor.setCursorPosition(4);
  QTest::keyClick(&editor, Qt::Key_Delete);  // the caret stays where the user put it
  QTest::keyClicks(&editor, "-");
  EXPECT_EQ(combo_.text(), "Ctrl-Alt+Q");
  EXPECT_EQ(editor.cursorPosition(), 5);

  QApplication::clipboard()->setText("Shift+Alt+1");
  editor.selectAll();
  QTest::keySequence(&editor, QKeySequence::Paste);
  EXPECT_EQ(combo_.text(), "Shift+Alt+1");
  EXPECT_EQ(editor.text(), "Shift+Alt+1");
}

// Typing is never a choice from the list, whatever the text: the editor's Enter and the loss of the
// focus leave the typed text as it is and run no OnClick, even where it matches an item but for case.
TEST_F(ComboBoxViewTest, TypedTextIsNeverAChoiceFromTheList) {
  combo_.setItems({"Ctrl+Alt+M", "Ctrl+Alt+Q"});
  combo_.setText("Ctrl+Alt+M");
  showForm();
  auto& box = widget<QComboBox>("cbMegs");
  QLineEdit& editor = *box.lineEdit();
  for (const char* typed : {"ctrl+alt+q", "Ctrl+Alt+Q", "ctrl+"}) {
    SCOPED_TRACE(typed);
    box.setFocus();
    editor.selectAll();
    QTest::keyClicks(&editor, typed);
    QTest::keyClick(&editor, Qt::Key_Return);
    box.clearFocus();
    EXPECT_EQ(clicks_, 0);
    EXPECT_EQ(combo_.text(), typed);
    EXPECT_EQ(editor.text(), typed);
  }
}

TEST_F(ComboBoxViewTest, TheEditableBoxsListIsStillChosenFrom) {
  combo_.setItems({"Ctrl+Alt+M", "Ctrl+Alt+Q"});
  combo_.setText("ctrl+alt+m");
  showForm();
  auto& box = widget<QComboBox>("cbMegs");
  box.setFocus();

  QTest::keyClick(&box, Qt::Key_Down);  // the arrow keys step through the list
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(combo_.text(), "Ctrl+Alt+M");

  box.showPopup();
  QAbstractItemView& list = *box.view();
  list.setCurrentIndex(list.model()->index(1, 0));
  QTest::keyClick(&list, Qt::Key_Return);  // the open list's choice
  EXPECT_EQ(clicks_, 2);
  EXPECT_EQ(combo_.itemIndex(), 1);
  EXPECT_EQ(combo_.text(), "Ctrl+Alt+Q");
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
  auto& widget = this->widget<QComboBox>("cbMegs");

  QTest::keyClicks(&widget, "pb");  // the list's own search would pick "Preto", then "Branco"

  EXPECT_EQ(pressed, "pb");
  EXPECT_EQ(combo_.itemIndex(), 1);
  EXPECT_EQ(widget.currentText(), "Cinza");
  EXPECT_EQ(clicks_ + changes_, 0);
}

TEST_F(ComboBoxViewTest, FailingKeyHandlerReachesTheGuard) {
  combo_.OnKeyPress = fail;
  showForm();
  QLineEdit& editor = *widget<QComboBox>("cbMegs").lineEdit();

  QTest::keyClick(&editor, '5');

  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});
  EXPECT_EQ(editor.text(), "");
}

}  // namespace
}  // namespace lumaro::platform::linuxos::test
