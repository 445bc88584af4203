#include "backends/linux/views/drawn_popup_menu_view.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <array>
#include <functional>
#include <vector>

#include "backends/linux/desktop/text_service.h"
#include "backends/linux/views/view_fixture.h"

namespace lumaro::platform::linuxos::test {
namespace {

// Five items of 40 × 18 with the keys a, (separator), b, b, c; choosing the last one fails.
class KeyedMenu : public toolkit::PopupMenu, public toolkit::DrawnMenu {
 public:
  using PopupMenu::PopupMenu;

  std::vector<int> chosen;
  std::function<void()> reopen;

  int itemCount() const override { return 5; }
  toolkit::Size measureItem(toolkit::Canvas&, int, toolkit::Size standard) override {
    return {40, standard.height};
  }
  void drawItem(toolkit::Canvas& canvas, int, const toolkit::Rect& rect, bool selected) override {
    canvas.brush.color = selected ? toolkit::clRed : toolkit::clWhite;
    canvas.fillRect(rect);
  }
  void clickItem(int index) override {
    chosen.push_back(index);
    if (reopen) reopen();
    if (index == 4) fail();
  }
  bool selectable(int index) const override { return index != 1; }
  char accessKey(int index) const override { return std::array<char, 5>{'a', 0, 'b', 'b', 'c'}[index]; }
  std::string itemText(int index) const override {
    return std::array<const char*, 5>{"Abrir", "", "Baixa", "Bloco", "Cancelar"}[index];
  }
};

class DrawnPopupMenuViewTest : public ViewTest {
 protected:
  QWidget* open(int x = 10, int y = 10) {
    menu_.popup(x, y);
    return QApplication::activePopupWidget();
  }
  void keys(QWidget* popup, std::initializer_list<Qt::Key> pressed) {
    for (Qt::Key key : pressed) QTest::keyClick(popup, key);
  }
  void release(QWidget* popup, QPoint at) {
    QMouseEvent event(QEvent::MouseButtonRelease, at, popup->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(popup, &event);
  }
  static void closeAll() {
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  }
  ~DrawnPopupMenuViewTest() override { closeAll(); }

  QtTextService text_;
  KeyedMenu menu_{nullptr};
  DrawnPopupMenuView view_{menu_, menu_, text_, app_};
};

TEST_F(DrawnPopupMenuViewTest, OpensWhereAskedOrTurnedBackAtTheScreensEdges) {
  QWidget* popup = open(10, 20);
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup, view_.popup());
  EXPECT_EQ(popup->pos(), QPoint(10, 20));
  EXPECT_EQ(popup->size(), QSize(3 + 40 + 12 + 3, 3 + 5 * 18 + 3));
  closeAll();

  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QPoint corner = screen.bottomRight();
  popup = open(corner.x(), corner.y());
  EXPECT_EQ(popup->geometry().bottomRight(), corner - QPoint(1, 1));
}

TEST_F(DrawnPopupMenuViewTest, ArrowsSkipSeparatorsAndEnterChoosesTheHighlightedItem) {
  keys(open(), {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
  EXPECT_EQ(menu_.chosen, std::vector<int>{2});
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

  keys(open(), {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Enter});  // round the top
  EXPECT_EQ(menu_.chosen, (std::vector<int>{2, 0}));

  QWidget* popup = open();
  keys(popup, {Qt::Key_Return, Qt::Key_Escape});  // nothing highlighted: Enter does nothing
  EXPECT_EQ(menu_.chosen.size(), 2u);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(DrawnPopupMenuViewTest, AnAccessKeyChoosesItsOnlyItemOrMovesAmongSeveral) {
  QWidget* popup = open();
  QTest::keyClick(popup, 'B');
  EXPECT_TRUE(menu_.chosen.empty());
  QTest::keyClick(popup, 'b');
  QTest::keyClick(popup, Qt::Key_Return);
  EXPECT_EQ(menu_.chosen, std::vector<int>{3});

  QTest::keyClick(open(), 'a');
  EXPECT_EQ(menu_.chosen, (std::vector<int>{3, 0}));
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

  QTest::keyClick(open(), 'c');  // its command fails: the application's handler gets the error
  EXPECT_EQ(menu_.chosen.back(), 4);
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});
}

TEST_F(DrawnPopupMenuViewTest, ReleasingOverASeparatorKeepsTheMenuOpen) {
  QWidget* popup = open();
  release(popup, {20, 3 + 18 + 5});
  EXPECT_EQ(QApplication::activePopupWidget(), popup);
  release(popup, {20, 3 + 2 * 18 + 5});
  EXPECT_EQ(menu_.chosen, std::vector<int>{2});
}

TEST_F(DrawnPopupMenuViewTest, AChoiceThatOpensTheMenuAgainGetsAFreshPopupAndTheOldGoesAfterItsEvent) {
  const QPointer<QWidget> first = open();
  menu_.reopen = [&] { menu_.popup(30, 40); };
  QTest::keyClick(first.data(), 'a');
  EXPECT_EQ(menu_.chosen, std::vector<int>{0});
  QWidget* second = QApplication::activePopupWidget();
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first.data());
  EXPECT_EQ(second, view_.popup());
  EXPECT_EQ(second->pos(), QPoint(30, 40));
  // Deleting the first popup while its own key press was still running would pull it from under Qt.
  ASSERT_FALSE(first.isNull());
  EXPECT_FALSE(first->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());
}

// A screen reader finds the items by name, the separator as one, and the highlighted item focused.
TEST_F(DrawnPopupMenuViewTest, AScreenReaderReadsTheItemsAndTheHighlight) {
  QWidget* popup = open();
  ASSERT_NE(popup, nullptr);
  QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(popup);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->role(), QAccessible::PopupMenu);
  ASSERT_EQ(menu->childCount(), 5);
  EXPECT_EQ(menu->child(0)->text(QAccessible::Name), "Abrir");
  EXPECT_EQ(menu->child(1)->role(), QAccessible::Separator);
  EXPECT_EQ(menu->child(4)->role(), QAccessible::MenuItem);
  EXPECT_EQ(menu->child(2)->rect().topLeft(), popup->mapToGlobal(QPoint(3, 3 + 2 * 18)))
      << "where the item is drawn";
  EXPECT_EQ(menu->focusChild(), nullptr);

  keys(popup, {Qt::Key_Down, Qt::Key_Down});

  EXPECT_EQ(menu->focusChild(), menu->child(2)) << "the separator is passed over";
  EXPECT_TRUE(menu->child(2)->state().focused);
  EXPECT_EQ(menu->indexOfChild(menu->focusChild()), 2);
}

}  // namespace
}  // namespace lumaro::platform::linuxos::test
