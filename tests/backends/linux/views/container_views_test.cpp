#include <QCheckBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <tuple>

#include "backends/linux/desktop/text_service.h"
#include "backends/linux/views/view_fixture.h"
#include "toolkit/controls/check_box.h"
#include "toolkit/controls/page_control.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::linuxos::test {
namespace {

using toolkit::Component;
using toolkit::MouseButton;

class ContainerViewsTest : public ViewTest {};

TEST_F(ContainerViewsTest, PagesFollowTheModelAndTheUsersChoice) {
  auto& pages = add<toolkit::PageControl>("pcMain");
  pages.setBounds({0, 0, 280, 180});
  auto& general = add<toolkit::TabSheet>("tsGeneral", &pages);
  general.setCaption("&General");
  auto& advanced = add<toolkit::TabSheet>("tsAdvanced", &pages);
  advanced.setCaption("Ad&vanced");
  add<toolkit::CheckBox>("chkOnPage", &advanced);
  int changes = 0;
  pages.OnChange = [&](Component&) {
    ++changes;
    fail();
  };
  showForm();
  auto& tabs = widget<QTabWidget>("pcMain");
  EXPECT_EQ(tabs.tabText(1), "Ad&vanced");
  EXPECT_EQ(widget<QCheckBox>("chkOnPage").parentWidget(), tabs.widget(1));
  // Qt selecting its first tab by itself is no user's choice.
  EXPECT_EQ(pages.activePage(), nullptr);

  pages.setActivePage(&advanced);
  EXPECT_EQ(tabs.currentIndex(), 1);
  EXPECT_EQ(changes, 0);

  QTabBar& bar = *tabs.tabBar();
  QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.tabRect(0).center());
  EXPECT_EQ(pages.activePage(), &general);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});

  // Neither is Qt moving off a tab that the model hides.
  pages.setActivePage(&advanced);
  advanced.setVisible(false);
  EXPECT_FALSE(tabs.isTabVisible(1));
  EXPECT_EQ(pages.activePage(), &advanced);
  EXPECT_EQ(changes, 1);
}

TEST_F(ContainerViewsTest, PanelAndLabelShowTheirCaptions) {
  auto& panel = add<toolkit::Panel>("pnlStatus");
  panel.setBevelOuter(toolkit::Bevel::Lowered);
  panel.setCaption("Ready");
  auto& label = add<toolkit::Label>("lblFree", &panel);
  label.setCaption("&Free && used");
  showForm();

  auto& frame = widget<QLabel>("pnlStatus");
  EXPECT_EQ(frame.frameShadow(), QFrame::Sunken);
  EXPECT_EQ(frame.text(), "Ready");
  EXPECT_EQ(widget<QLabel>("lblFree").text(), "Free & used");
}

// Labels measured with the real text service fit their text, with or without a sunken edge, so that
// the widget shows every character.
TEST_F(ContainerViewsTest, LabelsSizeThemselvesToTheirTextAndMayHaveASunkenEdge) {
  QtTextService text;
  auto& help = form_.create<toolkit::Label>(&text);
  help.setName("btnHelp");
  help.setParent(&form_);
  help.setFont({"Arial", 12});
  help.setBounds({10, 10, 5, 5});
  help.setCaption("Ver Ajuda");
  help.setBorder(toolkit::Bevel::Lowered);
  showForm();
  auto& shown = widget<QLabel>("btnHelp");

  const platform::TextExtent extent = text.textExtent({"Arial", 12}, "Ver Ajuda");
  EXPECT_EQ(help.bounds(), (toolkit::Bounds{10, 10, extent.width + 2, extent.height + 2}));
  EXPECT_EQ(shown.frameShadow(), QFrame::Sunken);
  EXPECT_GE(shown.width(), shown.sizeHint().width());

  help.setCaption("Ver Ajuda completa");
  EXPECT_GT(help.bounds().width, extent.width + 2);
  EXPECT_GE(shown.width(), shown.sizeHint().width());

  help.setAutoSize(false);
  help.setBounds({10, 10, 20, 14});
  EXPECT_EQ(shown.size(), QSize(20, 14));
}

TEST_F(ContainerViewsTest, FlatButtonTabsLeaveNoFrameAroundThePages) {
  auto& pages = add<toolkit::PageControl>("pcMain");
  pages.setBounds({0, 0, 200, 150});
  auto& first = add<toolkit::TabSheet>("tsFirst", &pages);
  first.setCaption("RAM");
  showForm();
  auto& tabs = widget<QTabWidget>("pcMain");
  const QRect framed = tabs.currentWidget()->geometry();

  pages.setTabStyle(toolkit::TabStyle::FlatButtons);

  EXPECT_TRUE(tabs.documentMode());
  EXPECT_GT(tabs.currentWidget()->width(), framed.width());
}

TEST_F(ContainerViewsTest, PressesAndClicksOnPassiveControlsReachTheModel) {
  auto& panel = add<toolkit::Panel>("pnlStatus");
  panel.setBounds({0, 0, 200, 100});
  auto& label = add<toolkit::Label>("lblFree", &panel);
  label.setBounds({10, 10, 80, 20});
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
  auto& labelWidget = widget<QLabel>("lblFree");

  QTest::mouseClick(&labelWidget, Qt::RightButton, {}, QPoint(3, 4));
  QTest::mouseClick(&labelWidget, Qt::LeftButton, {}, QPoint(5, 6));

  EXPECT_EQ(presses, (std::vector<std::tuple<MouseButton, int, int>>{{MouseButton::Right, 3, 4},
                                                                     {MouseButton::Left, 5, 6}}));
  EXPECT_EQ(labelClicks, 1);
  EXPECT_EQ(panelEvents, 0);

  label.OnClick = fail;
  QTest::mouseClick(&labelWidget, Qt::LeftButton);
  EXPECT_EQ(errors_, std::vector<std::string>{"boom"});
}

TEST_F(ContainerViewsTest, ImageShowsTheModelsPixelsAndSeesThroughItsTransparentOnes) {
  auto& image = add<toolkit::Image>("imgLogo");
  toolkit::Bitmap picture(3, 1);
  picture.setPixel(0, 0, 0x112233);
  picture.setPixel(1, 0, 0xAABBCC);
  image.setPicture(toolkit::Icon{picture, {0, 0, 1}});
  showForm();

  const QImage shown = widget<QLabel>("imgLogo").pixmap().toImage();

  ASSERT_EQ(shown.size(), QSize(3, 1));
  EXPECT_EQ(shown.pixel(0, 0), 0xFF112233u);
  EXPECT_EQ(shown.pixel(1, 0), 0xFFAABBCCu);
  EXPECT_EQ(qAlpha(shown.pixel(2, 0)), 0);
}

}  // namespace
}  // namespace lumaro::platform::linuxos::test
