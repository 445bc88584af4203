#include "backends/linux/desktop/repeated_press_filter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <utility>
#include <vector>

namespace lumaro::platform::linuxos {
namespace {

using Reported = std::pair<QRect, Qt::MouseButton>;

class RepeatedPressFilterTest : public ::testing::Test {
 protected:
  RepeatedPressFilterTest() {
    window.setGeometry(40, 30, 22, 22);
    QApplication::instance()->installEventFilter(&filter);
  }

  // What the window system hands a widget when a button is pressed again within the double-click time.
  static void doubleClick(QWidget& receiver, Qt::MouseButton button) {
    const QPointF local(5, 6);
    QMouseEvent event(QEvent::MouseButtonDblClick, local, receiver.mapToGlobal(local), button, button,
                      Qt::NoModifier);
    QApplication::sendEvent(&receiver, &event);
  }

  std::vector<Reported> reported;
  RepeatedPressFilter filter{
      [this](const QRect& at, Qt::MouseButton button) { reported.emplace_back(at, button); }};
  QWidget window;
};

TEST_F(RepeatedPressFilterTest, RightAndMiddleDoubleClicksOnAWindowAreReportedWithItsPlace) {
  doubleClick(window, Qt::RightButton);
  doubleClick(window, Qt::MiddleButton);
  EXPECT_THAT(reported, ::testing::ElementsAre(Reported{QRect(40, 30, 22, 22), Qt::RightButton},
                                               Reported{QRect(40, 30, 22, 22), Qt::MiddleButton}));
}

// The left button's double click is the icon's own event, and presses reach the icon as they are;
// a child's double click that nobody takes travels up to its window, which reports it once.
TEST_F(RepeatedPressFilterTest, LeftDoubleClicksPressesAndChildrenAreLeftAlone) {
  doubleClick(window, Qt::LeftButton);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 6), QPointF(45, 36), Qt::RightButton,
                    Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &press);
  EXPECT_TRUE(reported.empty());

  auto* child = new QWidget(&window);
  child->setGeometry(2, 2, 10, 10);
  doubleClick(*child, Qt::RightButton);
  EXPECT_THAT(reported, ::testing::ElementsAre(Reported{QRect(40, 30, 22, 22), Qt::RightButton}));
}

}  // namespace
}  // namespace lumaro::platform::linuxos
