#include <QLabel>

#include "backends/linux/views/view_fixture.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::linuxos::test {
namespace {

class ControlViewTest : public ViewTest {};

// Bounds, hint, enabled, font and visibility are in the views contract; colours are Qt's palette.
TEST_F(ControlViewTest, ColoursFollowTheModelAndASystemColourIsQtsDefault) {
  auto& label = add<toolkit::Label>("lblLoad");
  showForm();
  auto& widget = this->widget<QLabel>("lblLoad");

  label.setFont({"Arial", 9, true, toolkit::clRed});
  label.setColor(toolkit::clNavy);

  EXPECT_EQ(widget.palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(widget.palette().color(QPalette::Window), QColor(0, 0, 128));
  EXPECT_TRUE(widget.autoFillBackground());

  label.setColor(toolkit::clBtnFace);
  EXPECT_FALSE(widget.autoFillBackground());
  EXPECT_EQ(widget.palette().color(QPalette::Window), view_->window().palette().color(QPalette::Window));
}

}  // namespace
}  // namespace lumaro::platform::linuxos::test
