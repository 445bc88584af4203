#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <vector>

#include "backends/linux/desktop/text_service.h"
#include "backends/linux/views/view_fixture.h"
#include "toolkit/controls/painted_control.h"
#include "toolkit/menus/drawn_menu.h"

namespace lumaro::platform::linuxos::test {
namespace {

// A control painted in its colour, with a hint naming the point asked about and a two-item menu.
class Probe : public toolkit::PaintedControl, private toolkit::DrawnMenu {
 public:
  using PaintedControl::PaintedControl;

  std::vector<std::pair<int, int>> moves;
  std::vector<int> chosen;
  bool withMenu = true;

  void mouseMove(int x, int y) override { moves.emplace_back(x, y); }
  std::string hintAt(int x, int y) const override {
    return x < 0 ? "" : "at " + std::to_string(x) + "," + std::to_string(y);
  }
  toolkit::DrawnMenu* contextMenu() override { return withMenu ? this : nullptr; }

 protected:
  void paint(toolkit::Canvas& canvas) override {
    canvas.brush.color = color();
    canvas.fillRect(clientRect());
  }

 private:
  int itemCount() const override { return 2; }
  toolkit::Size measureItem(toolkit::Canvas&, int, toolkit::Size standard) override {
    return {40, standard.height};
  }
  void drawItem(toolkit::Canvas& canvas, int, const toolkit::Rect& rect, bool) override {
    canvas.fillRect(rect);
  }
  void clickItem(int index) override { chosen.push_back(index); }
};

class PaintedControlViewTest : public ViewTest {
 protected:
  PaintedControlViewTest() {
    probe_.setName("probe");
    probe_.setParent(&form_);
    probe_.setBounds({10, 10, 60, 30});
    probe_.setColor(toolkit::clRed);
    showForm();
  }
  QWidget& shown() { return widget<QWidget>("probe"); }
  void send(QEvent::Type type, Qt::MouseButton button, QPoint at, QWidget& target) {
    QMouseEvent event(type, at, target.mapToGlobal(at), button,
                      type == QEvent::MouseMove ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
  }

  QtTextService text_;
  Probe& probe_ = form_.create<Probe>(text_);
};

TEST_F(PaintedControlViewTest, ShowsThePictureAndFollowsTheModel) {
  EXPECT_EQ(shown().geometry(), QRect(10, 10, 60, 30));
  EXPECT_EQ(shown().grab().toImage().pixelColor(30, 15), QColor(255, 0, 0));
  probe_.setColor(toolkit::clNavy);
  EXPECT_EQ(shown().grab().toImage().pixelColor(30, 15), QColor(0, 0, 128));
}

TEST_F(PaintedControlViewTest, MovesReachTheModelAndTheTooltipAsksItForTheText) {
  send(QEvent::MouseMove, Qt::NoButton, {5, 6}, shown());
  ASSERT_EQ(probe_.moves.size(), 1u);
  EXPECT_EQ(probe_.moves[0], std::make_pair(5, 6));

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

TEST_F(PaintedControlViewTest, ARightClickOpensTheDrawnMenuAndAChoiceReachesTheModel) {
  send(QEvent::MouseButtonRelease, Qt::RightButton, {5, 5}, shown());
  auto* popup = QApplication::activePopupWidget();
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->size(), QSize(3 + 40 + 12 + 3, 3 + 2 * 18 + 3));

  send(QEvent::MouseButtonRelease, Qt::LeftButton, {20, 3 + 18 + 5}, *popup);
  EXPECT_EQ(probe_.chosen, std::vector<int>{1});
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

  probe_.withMenu = false;
  send(QEvent::MouseButtonRelease, Qt::RightButton, {5, 5}, shown());
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

}  // namespace
}  // namespace lumaro::platform::linuxos::test
