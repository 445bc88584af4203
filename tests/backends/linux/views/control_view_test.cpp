#include <QLabel>

#include "backends/linux/views/view_fixture.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::linuxos::test {
namespace {

class ControlViewTest : public ViewTest {};

TEST_F(ControlViewTest, CommonPropertiesFollowTheModel) {
  auto& label = add<toolkit::Label>("lblLoad");
  showForm();
  auto& widget = this->widget<QLabel>("lblLoad");

  label.setBounds({10, 20, 100, 15});
  label.setHint("Memory in use");
  label.setEnabled(false);
  label.setFont({"Arial", 9, true, toolkit::clRed});
  label.setColor(toolkit::clNavy);

  EXPECT_EQ(widget.geometry(), QRect(10, 20, 100, 15));
  EXPECT_EQ(widget.toolTip(), "Memory in use");
  EXPECT_FALSE(widget.isEnabled());
  EXPECT_EQ(widget.font().family(), "Arial");
  EXPECT_EQ(widget.font().pixelSize(), 9);
  EXPECT_TRUE(widget.font().bold());
  EXPECT_EQ(widget.palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(widget.palette().color(QPalette::Window), QColor(0, 0, 128));
  EXPECT_TRUE(widget.autoFillBackground());

  label.setVisible(false);
  EXPECT_FALSE(widget.isVisible());
  // A system colour is Qt's default again.
  label.setColor(toolkit::clBtnFace);
  EXPECT_FALSE(widget.autoFillBackground());
  EXPECT_EQ(widget.palette().color(QPalette::Window), view_->window().palette().color(QPalette::Window));
}

TEST_F(ControlViewTest, ClientAlignedControlFillsItsParentAsItResizes) {
  auto& panel = add<toolkit::Panel>("pnlOuter");
  panel.setBevelOuter(toolkit::Bevel::None);
  panel.setBounds({0, 0, 120, 80});
  auto& inner = add<toolkit::Label>("lblInner", &panel);
  inner.setBounds({5, 5, 10, 10});
  inner.setAlign(toolkit::Align::Client);
  showForm();
  auto& widget = this->widget<QLabel>("lblInner");
  EXPECT_EQ(widget.geometry(), QRect(0, 0, 120, 80));

  panel.setBounds({0, 0, 200, 90});

  EXPECT_EQ(widget.geometry(), QRect(0, 0, 200, 90));
}

TEST_F(ControlViewTest, ModelOutlivesItsViewSafely) {
  auto& label = add<toolkit::Label>("lblLoad");
  showForm();

  view_.reset();
  label.setCaption("still fine");
  form_.bringToFront();
  form_.hide();

  EXPECT_EQ(label.caption(), "still fine");
}

}  // namespace
}  // namespace lumaro::platform::linuxos::test
