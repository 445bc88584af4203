#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QToolTip>
#include <string>

#include "backends/linux/desktop/text_service.h"
#include "backends/linux/views/view_fixture.h"
#include "toolkit/controls/painted_control.h"

namespace lumaro::platform::linuxos::test {
namespace {

// A control with a hint naming the point asked about.
class Probe : public toolkit::PaintedControl {
 public:
  using PaintedControl::PaintedControl;

  std::string hintAt(int x, int y) const override {
    return x < 0 ? "" : "at " + std::to_string(x) + "," + std::to_string(y);
  }

 protected:
  void paint(toolkit::Canvas& canvas) override { canvas.fillRect(clientRect()); }
};

class PaintedControlViewTest : public ViewTest {
 protected:
  PaintedControlViewTest() {
    probe_.setName("probe");
    probe_.setParent(&form_);
    probe_.setBounds({10, 10, 60, 30});
    showForm();
  }
  QWidget& shown() { return widget<QWidget>("probe"); }

  QtTextService text_;
  Probe& probe_ = form_.create<Probe>(text_);
};

TEST_F(PaintedControlViewTest, TheTooltipAsksTheControlForTheTextAtThePoint) {
  QHelpEvent help(QEvent::ToolTip, {7, 8}, shown().mapToGlobal(QPoint(7, 8)));
  QApplication::sendEvent(&shown(), &help);
  EXPECT_EQ(QToolTip::text(), "at 7,8");
}

TEST_F(PaintedControlViewTest, TheApplicationsHintHandlerRewritesTheTipAndHasItAskedForAgain) {
  int asked = 0;
  app_.setOnShowHint(
      [&](toolkit::HintInfo& hint, bool&) {
        hint.text += " #" + std::to_string(++asked);
        hint.reshowTimeoutMs = 10;
      },
      this);
  QCursor::setPos(shown().mapToGlobal(QPoint(7, 8)));
  QHelpEvent help(QEvent::ToolTip, {7, 8}, shown().mapToGlobal(QPoint(7, 8)));
  QApplication::sendEvent(&shown(), &help);
  EXPECT_EQ(QToolTip::text(), "at 7,8 #1");
  QCursor::setPos(shown().mapToGlobal(QPoint(20, 9)));  // the mouse moves on: the tip follows
  QElapsedTimer clock;
  clock.start();
  while (asked < 3 && clock.elapsed() < 2000) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
  EXPECT_GE(asked, 3);
  EXPECT_TRUE(QToolTip::text().startsWith("at 20,9 #"));

  app_.setOnShowHint([](toolkit::HintInfo&, bool& canShow) { canShow = false; }, this);
  QApplication::sendEvent(&shown(), &help);
  clock.restart();  // the tip fades out
  while (QToolTip::isVisible() && clock.elapsed() < 2000)
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
  EXPECT_FALSE(QToolTip::isVisible());
  app_.removeOnShowHint(this);
}

}  // namespace
}  // namespace lumaro::platform::linuxos::test
