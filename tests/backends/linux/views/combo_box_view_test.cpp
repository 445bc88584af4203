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

}  // namespace
}  // namespace lumaro::platform::linuxos::test
