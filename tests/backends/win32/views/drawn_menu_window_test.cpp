#include "backends/win32/views/drawn_menu_window.h"

#include <gtest/gtest.h>

#include <vector>

#include "backends/fake/fake_event_loop.h"
#include "backends/fake/fake_system.h"
#include "backends/win32/desktop/text_service.h"
#include "backends/win32/views/drawn_popup_menu_view.h"
#include "toolkit/menus/menu.h"

namespace lumaro::platform::win32 {
namespace {

// Three items, the middle one a separator; "&Abrir" and "&Fechar".
class ThreeItems : public toolkit::DrawnMenu {
 public:
  int itemCount() const override { return 3; }
  toolkit::Size measureItem(toolkit::Canvas&, int index, toolkit::Size standard) override {
    return {80, index == 1 ? 8 : standard.height};
  }
  void drawItem(toolkit::Canvas&, int, const toolkit::Rect&, bool) override {}
  void clickItem(int index) override {
    clicked.push_back(index);
    if (reopen) reopen();
  }
  bool selectable(int index) const override { return index != 1; }
  char accessKey(int index) const override { return index == 0 ? 'a' : index == 2 ? 'f' : 0; }

  std::vector<int> clicked;
  std::function<void()> reopen;
};

struct Popup {
  ThreeItems menu;
  GdiTextService text;
  std::vector<int> chosen;
  int closed = 0;
  DrawnMenuWindow window{menu, text, [this](int index) { chosen.push_back(index); }, [this] { ++closed; }};

  void send(UINT message, WPARAM wParam, int x, int y) {
    SendMessageW(window.window(), message, wParam, MAKELPARAM(x, y));
  }
};

constexpr int kLastItemY = toolkit::MenuPicture::kFrame + toolkit::MenuPicture::kStandardItemHeight + 8 + 2;

TEST(DrawnMenuWindowTest, ShowsAtThePointAndAReleaseOverAnItemChoosesItAfterClosing) {
  Popup popup;
  popup.window.popup(100, 120);
  RECT frame{};
  GetWindowRect(popup.window.window(), &frame);
  EXPECT_EQ(frame.left, 100);
  EXPECT_EQ(frame.top, 120);
  EXPECT_TRUE(IsWindowVisible(popup.window.window()));

  popup.send(WM_MOUSEMOVE, 0, 10,
             toolkit::MenuPicture::kFrame + toolkit::MenuPicture::kStandardItemHeight + 2);
  EXPECT_EQ(popup.window.selected(), -1);  // the separator
  popup.send(WM_MOUSEMOVE, 0, 10, kLastItemY);
  EXPECT_EQ(popup.window.selected(), 2);
  popup.send(WM_LBUTTONUP, 0, 10, kLastItemY);

  EXPECT_EQ(popup.chosen, std::vector<int>{2});
  EXPECT_EQ(popup.closed, 1);
  EXPECT_FALSE(IsWindowVisible(popup.window.window()));
}

TEST(DrawnMenuWindowTest, KeysMoveChooseAndCloseAndAPressOutsideCloses) {
  Popup keys;
  keys.window.popup(10, 10);
  keys.send(WM_KEYDOWN, VK_DOWN, 0, 0);
  keys.send(WM_KEYDOWN, VK_DOWN, 0, 0);  // over the separator
  EXPECT_EQ(keys.window.selected(), 2);
  keys.send(WM_KEYDOWN, VK_RETURN, 0, 0);
  EXPECT_EQ(keys.chosen, std::vector<int>{2});

  Popup accessKey;
  accessKey.window.popup(10, 10);
  accessKey.send(WM_CHAR, 'A', 0, 0);
  EXPECT_EQ(accessKey.chosen, std::vector<int>{0});

  Popup escape;
  escape.window.popup(10, 10);
  escape.send(WM_KEYDOWN, VK_ESCAPE, 0, 0);
  EXPECT_TRUE(escape.chosen.empty());
  EXPECT_EQ(escape.closed, 1);

  Popup outside;
  outside.window.popup(10, 10);
  outside.send(WM_LBUTTONDOWN, 0, -5, 300);
  EXPECT_TRUE(outside.chosen.empty());
  EXPECT_EQ(outside.closed, 1);
  outside.send(WM_KEYDOWN, VK_ESCAPE, 0, 0);  // closed once only
  EXPECT_EQ(outside.closed, 1);
}

TEST(DrawnMenuWindowTest, NearTheScreensEdgeItOpensTowardsTheInside) {
  Popup popup;
  const int right = GetSystemMetrics(SM_CXSCREEN);
  popup.window.popup(right - 2, 10);
  RECT frame{};
  GetWindowRect(popup.window.window(), &frame);
  EXPECT_LE(frame.right, right);
  EXPECT_EQ(frame.right, right - 2);
}

TEST(DrawnPopupMenuViewTest, EachRequestOpensTheMenuAfreshAlsoFromTheOpenMenusOwnChoice) {
  fake::FakeEventLoop loop;
  fake::FakeMessageBox messages;
  toolkit::Application app(loop, messages);
  toolkit::PopupMenu menu;
  ThreeItems drawing;
  GdiTextService text;
  DrawnPopupMenuView view(menu, drawing, text, app);
  EXPECT_EQ(view.popup(), nullptr);

  menu.popup(50, 60);
  ASSERT_NE(view.popup(), nullptr);
  DrawnMenuWindow* first = view.popup();
  EXPECT_TRUE(IsWindowVisible(first->window()));

  // The user chooses the last item; the choice reaches the drawing, which opens the menu again.
  drawing.reopen = [&] { menu.popup(70, 80); };
  SendMessageW(first->window(), WM_MOUSEMOVE, 0, MAKELPARAM(10, kLastItemY));
  SendMessageW(first->window(), WM_LBUTTONUP, 0, MAKELPARAM(10, kLastItemY));

  EXPECT_EQ(drawing.clicked, std::vector<int>{2});
  ASSERT_NE(view.popup(), first);
  RECT frame{};
  GetWindowRect(view.popup()->window(), &frame);
  EXPECT_EQ(frame.left, 70);
  EXPECT_FALSE(IsWindowVisible(first->window()));
}

}  // namespace
}  // namespace lumaro::platform::win32
