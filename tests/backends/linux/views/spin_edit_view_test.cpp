#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>

#include "backends/linux/views/view_fixture.h"
#include "toolkit/controls/spin_edit.h"

namespace lumaro::platform::linuxos::test {
namespace {

class SpinEditViewTest : public ViewTest {
 protected:
  toolkit::SpinEdit& spin(double increment) {
    auto& edit = add<toolkit::SpinEdit>("seValue");
    edit.setBounds({10, 10, 80, 24});
    edit.setRange(0, 100);
    edit.setIncrement(increment);
    edit.setValue(1);
    return edit;
  }

  // The middle of the box's up arrow.
  static QPoint upArrow(QAbstractSpinBox& box) {
    QStyleOptionSpinBox option;
    option.initFrom(&box);
    option.subControls = QStyle::SC_SpinBoxUp;
    option.buttonSymbols = box.buttonSymbols();
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    return box.style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, &box).center();
  }
};

// Every step runs through the model and back into the box; that must not stop the box's own repeat.
TEST_F(SpinEditViewTest, AnArrowHeldDownKeepsStepping) {
  auto& edit = spin(1);
  showForm();
  auto& box = widget<QSpinBox>("seValue");

  QTest::mousePress(&box, Qt::LeftButton, {}, upArrow(box));
  const bool repeated = QTest::qWaitFor([&] { return edit.value() >= 4; }, 5000);
  QTest::mouseRelease(&box, Qt::LeftButton, {}, upArrow(box));

  EXPECT_TRUE(repeated) << "the value stopped at " << edit.value();
  EXPECT_EQ(box.value(), edit.value());
}

TEST_F(SpinEditViewTest, TypingIsNotRewrittenByTheValueItMeans) {
  auto& edit = spin(0.5);
  showForm();
  auto& box = widget<QDoubleSpinBox>("seValue");
  auto* editor = box.findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->selectAll();

  QTest::keyClicks(editor, "2.5");

  EXPECT_EQ(editor->text(), "2.5");
  EXPECT_EQ(edit.value(), 2.5);

  // A value set from code is still shown at once.
  edit.setValue(7);
  EXPECT_EQ(editor->text(), "7.0");
}

}  // namespace
}  // namespace lumaro::platform::linuxos::test
