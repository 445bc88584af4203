#include <QApplication>
#include <QLabel>
#include <QScopeGuard>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "backends/linux/desktop/text_service.h"
#include "backends/linux/views/view_fixture.h"
#include "toolkit/controls/page_control.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::linuxos::test {
namespace {

class ContainerViewsTest : public ViewTest {};

TEST_F(ContainerViewsTest, APanelShowsItsBevelAndCaption) {
  auto& panel = add<toolkit::Panel>("pnlStatus");
  panel.setBevelOuter(toolkit::Bevel::Lowered);
  panel.setCaption("Ready");
  showForm();

  auto& frame = widget<QLabel>("pnlStatus");
  EXPECT_EQ(frame.frameShadow(), QFrame::Sunken);
  EXPECT_EQ(frame.text(), "Ready");
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

// The dotted rectangle of the focused tab lies round its caption, never across its letters.
TEST_F(ContainerViewsTest, TheFocusedTabsDottedRectangleLeavesItsCaptionClear) {
  // The program's look, whose style draws the rectangle; the test's own is put back after.
  const QString before = QApplication::style()->name();
  QApplication::setStyle(QStringLiteral("Windows"));
  const auto restore = qScopeGuard([&] { QApplication::setStyle(before); });
  auto& pages = add<toolkit::PageControl>("pcMain");
  pages.setBounds({0, 0, 280, 150});
  pages.setTabStyle(toolkit::TabStyle::FlatButtons);
  for (const char* caption : {"RAM", "Ajuste Fino", "Cache"}) {
    add<toolkit::TabSheet>(std::string("ts") + caption, &pages).setCaption(caption);
  }
  showForm();
  auto& tabs = widget<QTabWidget>("pcMain");
  tabs.setCurrentIndex(1);
  QTabBar& bar = *tabs.tabBar();
  const QImage plain = bar.grab().toImage();
  view_->window().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view_->window()));
  bar.setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(QTest::qWaitFor([&] { return bar.hasFocus(); }, 5000));
  const QImage focused = bar.grab().toImage();

  // The caption's ink, and what the focus added.
  const QRect tab = bar.tabRect(1);
  QRect ink;
  QRect dotted;
  for (int y = tab.top(); y <= tab.bottom(); ++y) {
    for (int x = tab.left(); x <= tab.right(); ++x) {
      if (qGray(plain.pixel(x, y)) < 96) ink |= QRect(x, y, 1, 1);
      if (plain.pixel(x, y) != focused.pixel(x, y)) dotted |= QRect(x, y, 1, 1);
    }
  }
  ASSERT_FALSE(ink.isEmpty());
  ASSERT_FALSE(dotted.isEmpty());
  EXPECT_TRUE(dotted.contains(ink, true))
      << "ink " << ink.y() << "+" << ink.height() << ", rectangle " << dotted.y() << "+" << dotted.height();
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
