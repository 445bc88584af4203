// The widgets the monitoring tick feeds ask for a repaint only when their picture changes, and a
// picture they keep is always the one a fresh painting would give.
#include <gtest/gtest.h>

#include "backends/fake/fake_event_loop.h"
#include "backends/fake/fake_system.h"
#include "backends/fake/fake_text_service.h"
#include "widgets/heart_machine.h"
#include "widgets/led_display.h"
#include "widgets/led_meter.h"

namespace lumaro::widgets {
namespace {

class PictureChangesTest : public ::testing::Test {
 protected:
  // Counts the change notifications a view would get.
  void watch(toolkit::Control& control) {
    control.setChangeListener([this] { ++notified; });
  }
  // The control's current picture equals one painted from scratch (a repaint not counted).
  ::testing::AssertionResult upToDate(toolkit::PaintedControl& control) {
    const toolkit::Bitmap kept = control.picture();
    const int before = notified;
    control.invalidate();
    notified = before;
    if (control.picture() == kept) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the picture kept is stale";
  }

  platform::fake::FakeTextService text;
  platform::fake::FakeEventLoop loop;
  platform::fake::FakeMessageBox messageBox;
  toolkit::Application app{loop, messageBox};
  int notified = 0;
};

TEST_F(PictureChangesTest, ChartRepaintsOnlyWhenALineMoves) {
  THeartMachine chart{nullptr, text, app};
  chart.setBounds({1, 1, 239, 199});
  chart.setHTickCount(20);
  chart.Min = 0;
  chart.Max = 24000;  // about 121 MB a row
  for (int series = 0; series < 3; ++series) chart.AddPoint(series, 5000, "s");
  for (int i = 0; i < 20; ++i) chart.AddPoint(2, 5000, "s");
  ASSERT_TRUE(upToDate(chart));
  watch(chart);

  // Free memory that wanders within one row keeps a flat line flat.
  for (int value : {5001, 5050, 4990, 5000}) chart.AddPoint(2, value, "s");
  EXPECT_EQ(notified, 0);
  EXPECT_TRUE(upToDate(chart));
  notified = 0;

  // A point on another row changes the picture, and so does every shift while it is plotted.
  chart.AddPoint(2, 9000, "s");
  EXPECT_EQ(notified, 1);
  EXPECT_TRUE(upToDate(chart));
  for (int i = 0; i < 20; ++i) {
    notified = 0;
    chart.AddPoint(2, 5000, "s");
    EXPECT_EQ(notified, 1) << "shift " << i;
    ASSERT_TRUE(upToDate(chart));
  }
  notified = 0;
  chart.AddPoint(2, 5000, "s");  // the spike has scrolled out
  EXPECT_EQ(notified, 0);

  // A new scale repaints at the next point even when the line stays flat; a hidden series never does.
  chart.Max = 12000;
  chart.AddPoint(2, 5000, "s");
  EXPECT_EQ(notified, 1);
  EXPECT_TRUE(upToDate(chart));
  chart.PopupMenu().items()[1]->click();
  notified = 0;
  chart.AddPoint(1, 11000, "s");
  EXPECT_EQ(notified, 0);
  EXPECT_TRUE(upToDate(chart));
}

TEST_F(PictureChangesTest, MeterRepaintsOnlyWhenTheLitCountChanges) {
  TLEDMeter meter{nullptr, text};
  meter.setNumDigits(40);  // 2.5 % a LED
  meter.setPosition(50);
  int changes = 0;
  meter.OnChange = [&](toolkit::Component&) { ++changes; };
  watch(meter);
  meter.setPosition(51);
  EXPECT_EQ(notified, 0);
  EXPECT_EQ(changes, 1);  // the position itself did change
  EXPECT_TRUE(upToDate(meter));
  meter.setPosition(54);
  EXPECT_EQ(notified, 1);
  EXPECT_TRUE(upToDate(meter));
}

TEST_F(PictureChangesTest, ReadOutRepaintsOnlyWhenItsDigitsChange) {
  TLEDDisplay display{nullptr, text};
  display.setNumDigits(3);
  display.setValue(37);
  watch(display);
  display.setValue(37.4L);  // no decimals shown
  EXPECT_EQ(notified, 0);
  EXPECT_EQ(display.Value(), 37.4L);
  EXPECT_TRUE(upToDate(display));
  display.setValue(38);
  EXPECT_EQ(notified, 1);
  EXPECT_TRUE(upToDate(display));
}

}  // namespace
}  // namespace lumaro::widgets
