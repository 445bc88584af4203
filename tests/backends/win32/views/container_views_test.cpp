#include <windows.h>

#include <commctrl.h>

#include <tuple>

#include "backends/fake/fake_text_service.h"
#include "backends/win32/views/view_fixture.h"
#include "toolkit/controls/check_box.h"
#include "toolkit/controls/page_control.h"
#include "toolkit/controls/painted_control.h"
#include "toolkit/controls/simple_controls.h"
#include "toolkit/menus/drawn_menu.h"

namespace lumaro::platform::win32::test {
namespace {

using toolkit::Component;
using toolkit::MouseButton;

class ContainerViewsTest : public ViewTest {};

std::wstring tabText(HWND tabs, int index) {
  wchar_t text[64] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return text;
}

void clickAt(HWND window, POINT at) {
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

TEST_F(ContainerViewsTest, PagesFollowTheModelAndTheUsersChoice) {
  auto& pages = add<toolkit::PageControl>("pcMain");
  pages.setBounds({0, 0, 280, 180});
  auto& general = add<toolkit::TabSheet>("tsGeneral", &pages);
  general.setCaption("RAM");
  auto& advanced = add<toolkit::TabSheet>("tsAdvanced", &pages);
  advanced.setCaption("Configuração");
  add<toolkit::CheckBox>("chkOnPage", &advanced);
  int changes = 0;
  pages.OnChange = [&](Component&) {
    ++changes;
    fail();
  };
  showForm();
  HWND tabs = window("pcMain");
  EXPECT_EQ(tabText(tabs, 1), L"Configura\u00e7\u00e3o");
  EXPECT_EQ(GetParent(window("chkOnPage")), window("tsAdvanced"));
  // The first tab showing by itself is no user's choice.
  EXPECT_EQ(pages.activePage(), nullptr);
  EXPECT_TRUE(IsWindowVisible(window("tsGeneral")));

  pages.setActivePage(&advanced);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 1);
  EXPECT_TRUE(IsWindowVisible(window("tsAdvanced")));
  EXPECT_FALSE(IsWindowVisible(window("tsGeneral")));
  EXPECT_EQ(changes, 0);

  RECT first{};
  SendMessageW(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  clickAt(tabs, {(first.left + first.right) / 2, (first.top + first.bottom) / 2});
  EXPECT_EQ(pages.activePage(), &general);
  EXPECT_TRUE(IsWindowVisible(window("tsGeneral")));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});

  // A hidden page has no tab; the model keeps its choice.
  advanced.setVisible(false);
  EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 1);
  pages.setTabStyle(toolkit::TabStyle::FlatButtons);
  EXPECT_TRUE(hasStyle(tabs, TCS_BUTTONS | TCS_FLATBUTTONS));
  EXPECT_EQ(changes, 1);
}

TEST_F(ContainerViewsTest, PagesStartBelowTheTabRowsOfTheControlsCurrentWidth) {
  // Made narrow, every tab takes a row of its own; widened, they share one and the page moves up.
  auto& pages = add<toolkit::PageControl>("pcMain");
  pages.setMultiLine(true);
  pages.setTabStyle(toolkit::TabStyle::FlatButtons);
  pages.setBounds({0, 0, 40, 180});
  for (const char* name : {"tsRam", "tsSettings", "tsFine", "tsCache"}) {
    add<toolkit::TabSheet>(name, &pages).setCaption("Tab");
  }
  showForm();
  pages.setBounds({0, 0, 280, 180});
  HWND tabs = window("pcMain");
  EXPECT_EQ(SendMessageW(tabs, TCM_GETROWCOUNT, 0, 0), 1);
  RECT display{};
  GetClientRect(tabs, &display);
  SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  RECT page{};
  GetWindowRect(window("tsRam"), &page);
  MapWindowPoints(HWND_DESKTOP, tabs, reinterpret_cast<POINT*>(&page), 2);
  EXPECT_EQ(page.top, display.top);
  EXPECT_LT(page.top, 40);
}

TEST_F(ContainerViewsTest, PressesAndClicksOnPassiveControlsReachTheModel) {
  auto& panel = add<toolkit::Panel>("pnlStatus");
  panel.setBounds({0, 0, 200, 100});
  panel.setCaption("Ready");
  auto& label = add<toolkit::Label>("lblFree", &panel);
  label.setBounds({10, 10, 80, 20});
  label.setCaption("&Free && used");
  std::vector<std::tuple<MouseButton, int, int>> presses;
  int labelClicks = 0;
  int panelEvents = 0;
  label.OnMouseDown = [&](Component&, MouseButton button, int x, int y) {
    presses.emplace_back(button, x, y);
  };
  label.OnClick = [&](Component&) { ++labelClicks; };
  panel.OnMouseDown = [&](Component&, MouseButton, int, int) { ++panelEvents; };
  panel.OnClick = [&](Component&) { ++panelEvents; };
  showForm();
  HWND shown = window("lblFree");
  EXPECT_EQ(shownText(shown), L"Free & used");

  SendMessageW(shown, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 4));
  clickAt(shown, {5, 6});

  EXPECT_EQ(presses, (std::vector<std::tuple<MouseButton, int, int>>{{MouseButton::Right, 3, 4},
                                                                     {MouseButton::Left, 5, 6}}));
  EXPECT_EQ(labelClicks, 1);
  EXPECT_EQ(panelEvents, 0);

  label.OnClick = fail;
  clickAt(shown, {5, 6});
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});
}

TEST_F(ContainerViewsTest, AClientAlignedControlFillsItsPanelInsideTheBevelAsItResizes) {
  auto& panel = add<toolkit::Panel>("pnlOuter");
  panel.setBevelWidth(2);
  panel.setBounds({0, 0, 120, 80});
  auto& inner = add<toolkit::Label>("lblInner", &panel);
  inner.setAutoSize(false);
  inner.setAlign(toolkit::Align::Client);
  showForm();
  EXPECT_EQ(inner.bounds(), (toolkit::Bounds{2, 2, 116, 76}));

  panel.setBounds({0, 0, 200, 90});

  EXPECT_EQ(inner.bounds(), (toolkit::Bounds{2, 2, 196, 86}));
  RECT placed{};
  GetWindowRect(window("lblInner"), &placed);
  EXPECT_EQ(placed.right - placed.left, 196);
}

// A control painted in its colour that records where the mouse went.
class Probe : public toolkit::PaintedControl {
 public:
  using PaintedControl::PaintedControl;
  std::vector<std::pair<int, int>> moves;
  void mouseMove(int x, int y) override { moves.emplace_back(x, y); }

 protected:
  void paint(toolkit::Canvas& canvas) override {
    canvas.brush.color = color();
    canvas.fillRect(clientRect());
  }
};

COLORREF pixelOf(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF color = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return color;
}

// The picture is copied to the screen, and a label on it shows the picture around its text.
TEST_F(ContainerViewsTest, APaintedControlShowsItsPictureAlsoBehindItsLabels) {
  fake::FakeTextService text;
  auto& probe = add<Probe>("probe", nullptr, text);
  probe.setBounds({10, 10, 100, 60});
  probe.setColor(toolkit::clRed);
  auto& label = add<toolkit::Label>("lblOnProbe", &probe);
  label.setBounds({5, 5, 80, 20});
  label.setCaption("x");
  showForm();
  HWND shown = window("probe");

  EXPECT_TRUE(pumpUntil([&] { return pixelOf(shown, 50, 40) == RGB(255, 0, 0); }));
  EXPECT_TRUE(pumpUntil([&] { return pixelOf(window("lblOnProbe"), 70, 15) == RGB(255, 0, 0); }));
  probe.setColor(toolkit::clNavy);
  EXPECT_TRUE(pumpUntil([&] { return pixelOf(shown, 50, 40) == RGB(0, 0, 128); }));
  EXPECT_TRUE(pumpUntil([&] { return pixelOf(window("lblOnProbe"), 70, 15) == RGB(0, 0, 128); }));

  SendMessageW(shown, WM_MOUSEMOVE, 0, MAKELPARAM(5, 6));
  ASSERT_EQ(probe.moves.size(), 1u);
  EXPECT_EQ(probe.moves[0], std::make_pair(5, 6));
}

// A painted control with a menu of its own, two items, that records the chosen one.
class ProbeWithMenu : public Probe, private toolkit::DrawnMenu {
 public:
  using Probe::Probe;
  std::vector<int> chosen;
  toolkit::DrawnMenu* contextMenu() override { return this; }

 private:
  int itemCount() const override { return 2; }
  toolkit::Size measureItem(toolkit::Canvas&, int, toolkit::Size standard) override {
    return {60, standard.height};
  }
  void drawItem(toolkit::Canvas&, int, const toolkit::Rect&, bool) override {}
  void clickItem(int index) override { chosen.push_back(index); }
};

// The release of the right button opens the control's menu at the mouse, and a choice there reaches
// the control; a disabled control opens none.
TEST_F(ContainerViewsTest, ARightClickOpensAPaintedControlsOwnMenu) {
  fake::FakeTextService text;
  auto& probe = add<ProbeWithMenu>("probe", nullptr, text);
  probe.setBounds({10, 10, 100, 60});
  showForm();
  HWND shown = window("probe");

  SendMessageW(shown, WM_RBUTTONUP, 0, MAKELPARAM(5, 6));
  HWND menu = FindWindowW(L"LumaroDrawnMenu", nullptr);
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(IsWindowVisible(menu));
  POINT mouse{5, 6};
  ClientToScreen(shown, &mouse);
  RECT frame{};
  GetWindowRect(menu, &frame);
  EXPECT_EQ(frame.left, mouse.x);
  EXPECT_EQ(frame.top, mouse.y);

  constexpr int kSecondItemY = toolkit::MenuPicture::kFrame + toolkit::MenuPicture::kStandardItemHeight + 2;
  SendMessageW(menu, WM_LBUTTONUP, 0, MAKELPARAM(10, kSecondItemY));
  EXPECT_EQ(probe.chosen, std::vector<int>{1});
  EXPECT_FALSE(IsWindowVisible(menu));

  probe.setEnabled(false);
  SendMessageW(shown, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(shown), MAKELPARAM(mouse.x, mouse.y));
  HWND again = FindWindowW(L"LumaroDrawnMenu", nullptr);
  EXPECT_TRUE(again == nullptr || !IsWindowVisible(again));
}

}  // namespace
}  // namespace lumaro::platform::win32::test
