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

class ComboBoxViewTest : public ViewTest {};

// A box whose OnClick (a choice from the list) is counted.
class ComboBoxChoiceTest : public ViewTest {
 protected:
  ComboBoxChoiceTest() : combo_(add<toolkit::ComboBox>("cbMegs")) {
    combo_.OnClick = [this](Component&) { ++clicks_; };
  }

  toolkit::ComboBox& combo_;
  int clicks_ = 0;
};

TEST_F(ComboBoxViewTest, TheEditorEditsLikeATextFieldAndTheModelGetsTheResult) {
  auto& combo = add<toolkit::ComboBox>("cbMegs");
  combo.setItems({"Ctrl+Alt+M", "Ctrl+Alt+Q"});
  combo.setText("Ctrl+Alt+M");
  showForm();
  QLineEdit& editor = *widget<QComboBox>("cbMegs").lineEdit();

  int presses = 0;
  combo.OnKeyPress = [&](Component&, char&) { ++presses; };
  auto& box = widget<QComboBox>("cbMegs");
  box.setFocus();
  QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(&box, "Ctrl+Alt+Q");  // typing replaces the selection
  EXPECT_EQ(presses, 10);
  EXPECT_EQ(combo.text(), "Ctrl+Alt+Q");
  EXPECT_EQ(combo.itemIndex(), 1);

  editor.setCursorPosition(4);
  QTest::keyClick(&editor, Qt::Key_Delete);  // the caret stays where the user put it
  QTest::keyClicks(&editor, "-");
  EXPECT_EQ(combo.text(), "Ctrl-Alt+Q");
  EXPECT_EQ(editor.cursorPosition(), 5);

  QApplication::clipboard()->setText("Shift+Alt+1");
  editor.selectAll();
  QTest::keySequence(&editor, QKeySequence::Paste);
  EXPECT_EQ(combo.text(), "Shift+Alt+1");
  EXPECT_EQ(editor.text(), "Shift+Alt+1");
}

// Typing is never a choice from the list, whatever the text: the editor's Enter and the loss of the
// focus leave the typed text as it is and run no OnClick, even where it matches an item but for case.
TEST_F(ComboBoxChoiceTest, TypedTextIsNeverAChoiceFromTheList) {
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

TEST_F(ComboBoxChoiceTest, TheEditableBoxsListIsStillChosenFrom) {
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

}  // namespace
}  // namespace lumaro::platform::linuxos::test
