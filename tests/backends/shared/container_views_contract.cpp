#include <tuple>

#include "backends/shared/views_contract.h"
#include "toolkit/controls/check_box.h"
#include "toolkit/controls/page_control.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::contract {
namespace {

using toolkit::Component;
using toolkit::MouseButton;

TEST_P(ViewsContract, PagesFollowTheModelAndTheUsersChoice) {
  auto& pages = add<toolkit::PageControl>("pcMain");
  pages.setBounds({0, 0, 280, 180});
  auto& general = add<toolkit::TabSheet>("tsGeneral", &pages);
  general.setCaption("RAM");
  auto& advanced = add<toolkit::TabSheet>("tsAdvanced", &pages);
  advanced.setCaption("&Configuração");
  add<toolkit::CheckBox>("chkOnPage", &advanced);
  int changes = 0;
  pages.OnChange = [&](Component&) {
    ++changes;
    fail();
  };
  showForm();
  EXPECT_EQ(shown("pcMain").items, (std::vector<std::string>{"RAM", "&Configuração"}));
  EXPECT_TRUE(subject().inside("chkOnPage", "tsAdvanced"));
  // The first page showing by itself is no user's choice.
  EXPECT_EQ(pages.activePage(), nullptr);
  EXPECT_TRUE(shown("tsGeneral").visible);

  pages.setActivePage(&advanced);
  EXPECT_EQ(shown("pcMain").index, 1);
  EXPECT_TRUE(shown("tsAdvanced").visible);
  EXPECT_FALSE(shown("tsGeneral").visible);
  EXPECT_EQ(changes, 0);

  subject().chooseTab("pcMain", 0);
  EXPECT_EQ(pages.activePage(), &general);
  EXPECT_TRUE(shown("tsGeneral").visible);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});

  // A hidden page has no tab, and hiding the chosen one is no user's choice either.
  pages.setActivePage(&advanced);
  advanced.setVisible(false);
  EXPECT_EQ(shown("pcMain").items, std::vector<std::string>{"RAM"});
  EXPECT_EQ(pages.activePage(), &advanced);
  EXPECT_EQ(changes, 1);
}

TEST_P(ViewsContract, PressesAndClicksOnPassiveControlsReachTheModel) {
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
  EXPECT_EQ(shown("lblFree").text, "Free & used");

  subject().mouseClick("lblFree", MouseButton::Right, {3, 4});
  subject().mouseClick("lblFree", MouseButton::Left, {5, 6});

  EXPECT_EQ(presses, (std::vector<std::tuple<MouseButton, int, int>>{{MouseButton::Right, 3, 4},
                                                                     {MouseButton::Left, 5, 6}}));
  EXPECT_EQ(labelClicks, 1);
  EXPECT_EQ(panelEvents, 0);

  label.OnClick = fail;
  subject().mouseClick("lblFree", MouseButton::Left, {5, 6});
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});
}

TEST_P(ViewsContract, AClientAlignedControlFillsItsPanelInsideTheBevelAsItResizes) {
  auto& panel = add<toolkit::Panel>("pnlOuter");
  panel.setBevelWidth(2);
  panel.setBounds({0, 0, 120, 80});
  auto& inner = add<toolkit::Label>("lblInner", &panel);
  inner.setAutoSize(false);
  inner.setBounds({5, 5, 10, 10});
  inner.setAlign(toolkit::Align::Client);
  showForm();
  EXPECT_EQ(inner.bounds(), (toolkit::Bounds{2, 2, 116, 76}));
  EXPECT_EQ(shown("lblInner").bounds, (toolkit::Bounds{2, 2, 116, 76}));

  panel.setBounds({0, 0, 200, 90});

  EXPECT_EQ(inner.bounds(), (toolkit::Bounds{2, 2, 196, 86}));
  EXPECT_EQ(shown("lblInner").bounds, (toolkit::Bounds{2, 2, 196, 86}));
}

}  // namespace
}  // namespace lumaro::platform::contract
