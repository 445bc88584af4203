#include "tray/cool_tray_icon.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "backends/fake/fake_event_loop.h"
#include "backends/fake/fake_system.h"
#include "backends/fake/fake_tray.h"
#include "toolkit/core/error.h"
#include "toolkit/core/form.h"
#include "tray/bar_popup_menu.h"

namespace lumaro::tray {
namespace {

using platform::TrayMouse;
using ::testing::ElementsAre;

toolkit::Icon solid(std::uint32_t rgb) {
  return toolkit::Icon{toolkit::Bitmap(16, 16, rgb), {}};
}

class TrayIconTest : public ::testing::Test {
 protected:
  TrayIconTest() { app.setMainForm(&form); }

  // A click as the desktop reports it, on the one entry.
  void click(TCoolTrayIcon& icon) {
    tray.press(1, TrayMouse::LeftDown);
    tray.press(1, TrayMouse::LeftUp);
    (void)icon;
  }

  platform::fake::FakeEventLoop loop;
  platform::fake::FakeMessageBox box;
  platform::fake::FakeTray tray;
  toolkit::Application app{loop, box};
  toolkit::Form form{nullptr, app};
};

TEST_F(TrayIconTest, ClickWithoutDoubleClickHandlerFiresAtOnce) {
  TCoolTrayIcon icon(&form, app, tray);
  icon.setIconVisible(true);  // the tray reports only on a shown entry
  std::vector<std::string> trace;
  icon.OnClick = [&](toolkit::Component&) { trace.push_back("click@" + std::to_string(loop.now())); };
  icon.OnMouseUp = [&](toolkit::Component&, TrayButton, platform::ShiftState, int x, int) {
    trace.push_back("up x=" + std::to_string(x));
  };
  click(icon);
  EXPECT_THAT(trace, ElementsAre("click@0", "up x=1000"));
}

TEST_F(TrayIconTest, ClickWaitsForTheDoubleClickTimeWhenBothHandlersExist) {
  TCoolTrayIcon icon(&form, app, tray);
  icon.setIconVisible(true);
  int clicks = 0, doubleClicks = 0;
  icon.OnClick = [&](toolkit::Component&) { ++clicks; };
  icon.OnDblClick = [&](toolkit::Component&) { ++doubleClicks; };
  click(icon);
  EXPECT_EQ(clicks, 0);
  loop.advance(399);
  EXPECT_EQ(clicks, 0);
  loop.advance(1);
  EXPECT_EQ(clicks, 1);

  // A double click fires only the double-click handler, also after the time has run out.
  click(icon);
  tray.press(1, TrayMouse::LeftDoubleClick);
  tray.press(1, TrayMouse::LeftUp);
  loop.advance(1000);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(doubleClicks, 1);
}

TEST_F(TrayIconTest, APressWhileTheClickTimerRunsDoesNotRestartIt) {
  TCoolTrayIcon icon(&form, app, tray);
  icon.setIconVisible(true);
  std::vector<std::uint64_t> clicksAt;
  icon.OnClick = [&](toolkit::Component&) { clicksAt.push_back(loop.now()); };
  icon.OnDblClick = [](toolkit::Component&) {};
  click(icon);
  loop.advance(300);
  click(icon);  // a second press the desktop did not report as a double click
  loop.advance(100);
  EXPECT_THAT(clicksAt, ElementsAre(400u));
  loop.advance(1000);
  EXPECT_EQ(clicksAt.size(), 1u);
}

TEST_F(TrayIconTest, DisabledIconsIgnoreTheMouseAndHandlerErrorsAreGuarded) {
  TCoolTrayIcon icon(&form, app, tray);
  icon.setIconVisible(true);
  int clicks = 0;
  icon.OnClick = [&](toolkit::Component&) {
    ++clicks;
    throw toolkit::Error("from a click");
  };
  std::vector<std::string> handled;
  app.setOnException([&](const std::exception& e) { handled.push_back(e.what()); });
  icon.setEnabled(false);
  click(icon);
  EXPECT_EQ(clicks, 0);
  icon.setEnabled(true);
  click(icon);
  EXPECT_EQ(clicks, 1);
  EXPECT_THAT(handled, ElementsAre("from a click"));
}

TEST_F(TrayIconTest, RightPressOpensTheMenuAtTheCursorAndDoubleClickChoosesTheDefaultItem) {
  TCoolTrayIcon icon(&form, app, tray);
  icon.setIconVisible(true);
  toolkit::PopupMenu menu(nullptr);
  toolkit::MenuItem& first = menu.addItem("a", "A");
  toolkit::MenuItem& chosen = menu.addItem("b", "B");
  chosen.isDefault = true;
  int chosenClicks = 0;
  chosen.OnClick = [&](toolkit::Component&) { ++chosenClicks; };
  (void)first;
  std::vector<std::pair<int, int>> openedAt;
  menu.setPopupListener([&](int x, int y) { openedAt.emplace_back(x, y); });
  icon.setPopupMenu(&menu);

  tray.press(1, TrayMouse::RightDown);
  tray.press(1, TrayMouse::RightUp);
  EXPECT_THAT(openedAt, ElementsAre(std::make_pair(1000, 740)));
  EXPECT_EQ(menu.popupComponent, &icon);

  tray.cursor.reset();  // the pointer cannot be read: no menu
  tray.press(1, TrayMouse::RightDown);
  EXPECT_EQ(openedAt.size(), 1u);

  tray.press(1, TrayMouse::LeftDoubleClick);
  EXPECT_EQ(chosenClicks, 1);
  icon.setLeftPopup(true);  // then a left press opens the menu and a double click chooses nothing
  tray.cursor = platform::ScreenPoint{5, 6};
  tray.press(1, TrayMouse::LeftDown);
  tray.press(1, TrayMouse::LeftDoubleClick);
  EXPECT_EQ(openedAt.back(), std::make_pair(5, 6));
  EXPECT_EQ(chosenClicks, 1);
}

TEST_F(TrayIconTest, VisibilityTipAndIconReachTheTray) {
  {
    TCoolTrayIcon icon(&form, app, tray);
    icon.setHint(std::string(200, 'x'));
    icon.setIcon(solid(0x00FF00));
    EXPECT_TRUE(tray.icons.empty());
    icon.setIconVisible(true);
    ASSERT_EQ(tray.icons.count(1), 1u);
    EXPECT_EQ(tray.icons[1].tip.size(), 127u);
    EXPECT_EQ(tray.icons[1].image.argb[0], 0xFF00FF00u);
    icon.setShowHint(false);
    EXPECT_EQ(tray.icons[1].tip, "");
    icon.setHint(std::string(126, 'a') + "ção");  // cut by characters, not bytes
    icon.setShowHint(true);
    EXPECT_EQ(tray.icons[1].tip, std::string(126, 'a') + "ç");

    toolkit::Bitmap picture(16, 16, 0xC0C0C0);
    picture.setPixel(3, 4, 0xFF0000);
    icon.setIcon(toolkit::Icon::masked(picture, 0xC0C0C0));
    EXPECT_EQ(tray.icons[1].image.argb[0], 0u);  // transparent
    EXPECT_EQ(tray.icons[1].image.argb[4 * 16 + 3], 0xFFFF0000u);

    tray.restartHost();  // the tray host came back empty: visible icons are added again
    EXPECT_EQ(tray.icons.count(1), 1u);
  }
  EXPECT_TRUE(tray.icons.empty());       // removed on destruction
  EXPECT_FALSE(tray.hasMouseHandler());  // the last icon frees the shared handler
}

TEST_F(TrayIconTest, CyclingWalksTheListAndIndexIsClamped) {
  toolkit::ImageList frames(nullptr);
  for (std::uint32_t c : {0x000001u, 0x000002u, 0x000003u}) frames.add(solid(c));
  TCoolTrayIcon icon(&form, app, tray);
  icon.setIconIndex(2);
  EXPECT_EQ(icon.IconIndex(), 0);  // no list yet
  icon.setIconList(&frames);
  icon.setIconIndex(7);
  EXPECT_EQ(icon.IconIndex(), 2);
  EXPECT_EQ(icon.Icon(), frames.image(2));

  std::vector<int> next;
  icon.OnCycle = [&](toolkit::Component&, int n) { next.push_back(n); };
  icon.setIconVisible(true);
  icon.setCycleInterval(200);
  icon.setCycleIcons(true);
  EXPECT_EQ(icon.IconIndex(), 0);
  loop.advance(800);
  EXPECT_THAT(next, ElementsAre(1, 2, 3, 1));
  EXPECT_EQ(icon.IconIndex(), 1);
  EXPECT_EQ(tray.icons[1].image.argb[0], 0xFF000002u);
  icon.setCycleIcons(false);
  loop.advance(1000);
  EXPECT_EQ(next.size(), 4u);
}

TEST_F(TrayIconTest, RestoreAndHideMoveTheMainWindowAndMinimizeGoesToTheTray) {
  TCoolTrayIcon icon(&form, app, tray);
  form.setWindowState(toolkit::WindowState::Minimized);
  icon.RestoreFromTray();
  EXPECT_TRUE(form.visible());
  EXPECT_EQ(form.windowState(), toolkit::WindowState::Normal);
  icon.HideToTray();
  EXPECT_FALSE(form.visible());

  form.show();
  icon.setMinimizeToTray(true);
  form.setWindowState(toolkit::WindowState::Minimized);
  EXPECT_FALSE(form.visible());
  EXPECT_TRUE(icon.IconVisible());

  TCoolTrayIcon ownerless(nullptr, app, tray);  // not owned by a window: nothing to move
  form.show();
  ownerless.HideToTray();
  EXPECT_TRUE(form.visible());
}

TEST_F(TrayIconTest, EnterAndExitArePolledWhileWanted) {
  TCoolTrayIcon icon(&form, app, tray);
  icon.setIconVisible(true);
  std::vector<std::string> trace;
  icon.OnMouseEnter = [&](toolkit::Component&) { trace.push_back("enter"); };
  icon.OnMouseExit = [&](toolkit::Component&) { trace.push_back("exit"); };
  icon.setWantEnterExitEvents(true);
  tray.press(1, TrayMouse::Move);
  tray.press(1, TrayMouse::Move);
  loop.advance(100);
  tray.cursor = platform::ScreenPoint{0, 0};
  loop.advance(20);
  EXPECT_THAT(trace, ElementsAre("enter", "exit"));
}

// Two icons, as the main window's text icon and run animation: the tray sees one entry throughout.
class OneTrayEntryTest : public TrayIconTest {
 protected:
  OneTrayEntryTest() {
    text.setIcon(solid(0x0000AA));
    animation.setIcon(solid(0x00BB00));
    text.setHint("text");
    text.OnClick = [this](toolkit::Component&) { clicked.push_back("text"); };
    animation.OnClick = [this](toolkit::Component&) { clicked.push_back("animation"); };
  }
  std::uint32_t shown() { return tray.icons.at(1).image.argb[0]; }

  TCoolTrayIcon text{&form, app, tray};
  TCoolTrayIcon animation{&form, app, tray};
  std::vector<std::string> clicked;
};

TEST_F(OneTrayEntryTest, TheIconShownLastIsSeenAndClickedAndTheOneBeforeComesBack) {
  text.setIconVisible(true);
  animation.setIconVisible(true);  // takes the entry over
  text.setIconVisible(false);      // leaves it from behind: nothing to see
  EXPECT_EQ(shown(), 0xFF00BB00u);
  EXPECT_EQ(tray.icons.at(1).tip, "");
  click(animation);
  text.setHint("changed behind");  // kept for when it is seen again
  animation.setIcon(solid(0x00CC00));
  EXPECT_EQ(shown(), 0xFF00CC00u);

  text.setIconVisible(true);
  animation.setIconVisible(false);
  EXPECT_EQ(shown(), 0xFF0000AAu);
  EXPECT_EQ(tray.icons.at(1).tip, "changed behind");
  click(text);
  EXPECT_THAT(clicked, ElementsAre("animation", "text"));
  EXPECT_THAT(tray.operations, ElementsAre("add 1", "modify 1", "modify 1", "modify 1"));

  animation.setIconVisible(true);
  animation.setIconVisible(false);  // the one behind it comes back
  EXPECT_EQ(shown(), 0xFF0000AAu);
  text.setIconVisible(false);  // the last one leaves: so does the entry, deaf from then on
  EXPECT_EQ(tray.operations.back(), "remove 1");
  EXPECT_TRUE(tray.icons.empty());
  click(text);
  EXPECT_EQ(clicked.size(), 2u);
}

TEST_F(OneTrayEntryTest, ARestartedHostGetsTheEntryAgainAndADestroyedIconGivesItBack) {
  text.setIconVisible(true);
  animation.setIconVisible(true);
  tray.operations.clear();
  tray.restartHost();
  EXPECT_THAT(tray.operations, ElementsAre("add 1"));
  EXPECT_EQ(shown(), 0xFF00BB00u);
  {
    TCoolTrayIcon passing(&form, app, tray);
    passing.setIcon(solid(0x0000DD));
    passing.setIconVisible(true);
    EXPECT_EQ(shown(), 0xFF0000DDu);
  }
  EXPECT_EQ(shown(), 0xFF00BB00u);
  EXPECT_EQ(tray.icons.size(), 1u);
}

TEST_F(TrayIconTest, TheMenuGoesToTheTrayWithItsItemsAndAChoiceThereActsLikeTheDrawnMenus) {
  toolkit::ImageList images(nullptr);
  images.add(solid(0x102030));
  toolkit::PopupMenu plain;
  TBcBarPopupMenu menu;
  menu.Images = &images;
  toolkit::MenuItem& open = menu.addItem("open", "&Abrir");
  open.imageIndex = 0;
  menu.addItem("line", "-");
  toolkit::MenuItem& off = menu.addItem("off", "Desligado");
  off.enabled = false;
  off.checked = true;
  off.imageIndex = 5;  // beyond the list: no picture
  std::vector<std::string> clicks;
  for (toolkit::MenuItem* item : menu.items()) {
    item->OnClick = [&clicks](toolkit::Component& sender) { clicks.push_back(sender.name()); };
  }

  auto icon = std::make_unique<TCoolTrayIcon>(&form, app, tray);
  icon->setPopupMenu(&menu);
  ASSERT_TRUE(tray.menus.contains(1));
  const platform::TrayMenu& shown = tray.menus.at(1);
  std::vector<platform::TrayMenuItem> items = shown.items();
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].caption, "&Abrir");
  EXPECT_EQ(items[0].image.width, 16);
  EXPECT_EQ(items[0].image.argb.at(0), 0xFF102030u);
  EXPECT_TRUE(items[1].separator);
  EXPECT_TRUE(items[1].caption.empty());
  EXPECT_FALSE(items[2].enabled);
  EXPECT_TRUE(items[2].checked);
  EXPECT_TRUE(items[2].image.argb.empty());

  // Read when asked: a caption changed later is seen.
  open.caption = "Abrir agora";
  EXPECT_EQ(shown.items()[0].caption, "Abrir agora");

  shown.choose(0);
  shown.choose(2);  // disabled
  shown.choose(7);  // gone
  EXPECT_THAT(clicks, ElementsAre("open"));
  EXPECT_EQ(menu.popupComponent, icon.get());

  icon->setPopupMenu(&plain);  // a plain menu has no pictures
  open.imageIndex = 0;
  plain.addItem("x", "X").imageIndex = 0;
  EXPECT_TRUE(tray.menus.at(1).items()[0].image.argb.empty());

  icon->setPopupMenu(nullptr);
  EXPECT_FALSE(tray.menus.contains(1));
  icon->setPopupMenu(&menu);
  icon.reset();
  EXPECT_FALSE(tray.menus.contains(1));
}

}  // namespace
}  // namespace lumaro::tray
