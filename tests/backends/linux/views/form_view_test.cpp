#include <QTest>

#include "backends/linux/views/view_fixture.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::linuxos::test {
namespace {

class FormViewTest : public ViewTest {};

TEST_F(FormViewTest, BringToFrontActivatesTheWindow) {
  showForm();

  form_.bringToFront();

  EXPECT_TRUE(QTest::qWaitForWindowActive(&view_->window()));
}

// Without a compositor the cut-away part shows the desktop; a label's empty box would show black.
TEST_F(FormViewTest, AClearWindowKeepsALabelsLettersNotItsBox) {
  auto& figure = add<toolkit::Label>("lblFigure");
  figure.setBounds({50, 60, 100, 40});
  figure.setCaption("8");
  form_.setBorderStyle(toolkit::BorderStyle::None);
  form_.setClearBackground(true);
  showForm();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !view_->window().mask().isEmpty(); }, 5000));
  const QRegion kept = view_->window().mask();
  EXPECT_TRUE(QRect(50, 60, 100, 40).contains(kept.boundingRect()));
  EXPECT_FALSE(kept.contains(QPoint(140, 95)));  // far right of the one letter

  // New text is kept once drawn.
  figure.setCaption("8888888");
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return view_->window().mask().boundingRect().width() > 3 * kept.boundingRect().width(); }, 5000));
}

}  // namespace
}  // namespace lumaro::platform::linuxos::test
