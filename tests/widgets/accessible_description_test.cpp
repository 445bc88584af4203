// What a screen reader is told of the instruments and the value controls.
#include <gtest/gtest.h>

#include "backends/fake/fake_event_loop.h"
#include "backends/fake/fake_system.h"
#include "backends/fake/fake_text_service.h"
#include "toolkit/controls/simple_controls.h"
#include "toolkit/controls/track_bar.h"
#include "widgets/heart_machine.h"
#include "widgets/led_display.h"
#include "widgets/led_meter.h"
#include "widgets/screw_panel.h"

namespace lumaro::widgets {
namespace {

using toolkit::AccessibleRange;
using toolkit::AccessibleRole;

class AccessibleDescriptionTest : public ::testing::Test {
 protected:
  platform::fake::FakeTextService text;
  platform::fake::FakeEventLoop loop;
  platform::fake::FakeMessageBox messageBox;
  toolkit::Application app{loop, messageBox};
};

TEST_F(AccessibleDescriptionTest, AControlIsNamedByItsCaptionAsShownUnlessNamedOtherwise) {
  toolkit::Button button(nullptr);
  button.setCaption("&Otimizar && sair");
  EXPECT_EQ(button.describe().name, "Otimizar & sair");
  EXPECT_EQ(button.describe().role, AccessibleRole::Standard);

  int changes = 0;
  button.setChangeListener([&] { ++changes; });
  button.setAccessibleName("Otimizar agora");
  EXPECT_EQ(button.describe().name, "Otimizar agora");
  EXPECT_EQ(changes, 1) << "a view learns of the new name";
}

TEST_F(AccessibleDescriptionTest, AReadOutReadsItsNumberAsItsDigitsShowIt) {
  TLEDDisplay display(nullptr, text);
  display.setAccessibleName("Memória RAM livre (MB)");
  display.setNumDigits(5);
  display.setValue(2048);
  auto described = display.describe();
  EXPECT_EQ(described.name, "Memória RAM livre (MB)");
  EXPECT_EQ(described.role, AccessibleRole::ReadOut);
  EXPECT_EQ(described.value, "2048");
  EXPECT_EQ(described.range, (AccessibleRange{2048, 0, 99999}));

  display.setFractionDigits(1);
  display.setValue(3.26L);
  EXPECT_EQ(display.describe().value, "3,3") << "the comma the display shows, rounded to its digits";
  display.setDecSeperator(TDecSeperator::dsPoint);
  EXPECT_EQ(display.describe().value, "3.3");
}

TEST_F(AccessibleDescriptionTest, AMeterReadsHowFarItIsFilledInPercent) {
  TLEDMeter meter(nullptr, text);
  meter.setMax(8192);
  meter.setPosition(2048);
  auto described = meter.describe();
  EXPECT_EQ(described.role, AccessibleRole::Meter);
  EXPECT_EQ(described.value, "25%");
  EXPECT_EQ(described.range, (AccessibleRange{2048, 0, 8192}));

  meter.setMin(10);
  meter.setMax(10);
  EXPECT_EQ(meter.describe().value, "0%") << "an empty span fills nothing";
}

TEST_F(AccessibleDescriptionTest, AChartReadsTheThreeLatestValuesOfEachSeriesItShows) {
  THeartMachine chart(nullptr, text, app);
  chart.Max = 1000;
  EXPECT_EQ(chart.describe().value, ": 0, 0, 0") << "a new chart has one series without points";

  for (int value : {100, 200, 300, 400}) {
    chart.AddPoint(0, value / 100, "Auto Liberar");
    chart.AddPoint(1, value, "Memória Livre");
  }
  auto described = chart.describe();
  EXPECT_EQ(described.role, AccessibleRole::Chart);
  EXPECT_EQ(described.value, "Auto Liberar: 2, 3, 4; Memória Livre: 200, 300, 400");
  EXPECT_FALSE(described.range);

  chart.PopupMenu().items()[0]->click();  // hides the first series
  EXPECT_EQ(chart.describe().value, "Memória Livre: 200, 300, 400");
}

TEST_F(AccessibleDescriptionTest, AVerticalSliderReadsMoreTheHigherItsThumbStands) {
  toolkit::TrackBar slider(nullptr);
  slider.setMax(100);
  slider.setPosition(30);
  EXPECT_EQ(slider.describe().range, (AccessibleRange{30, 0, 100}));
  EXPECT_EQ(slider.describe().value, "30");

  // The minimum is at the top: a thumb 30 from the top stands for 70.
  slider.setOrientation(toolkit::Orientation::Vertical);
  slider.setMin(10);
  EXPECT_EQ(slider.describe().range, (AccessibleRange{80, 10, 100}));
  EXPECT_EQ(slider.describe().role, AccessibleRole::Slider);
}

TEST_F(AccessibleDescriptionTest, APanelIsAPanelWithoutAValue) {
  TScrewPanel panel(nullptr, text);
  EXPECT_EQ(panel.describe().role, AccessibleRole::Panel);
  EXPECT_TRUE(panel.describe().value.empty());
}

TEST(AccessibleNumber, IsRoundedAndNeverReadsMinusZero) {
  EXPECT_EQ(toolkit::accessibleNumber(-0.2), "0");
  EXPECT_EQ(toolkit::accessibleNumber(-1.5, 1, ','), "-1,5");
  EXPECT_EQ(toolkit::accessibleNumber(2.0 / 3, 2), "0.67");
}

}  // namespace
}  // namespace lumaro::widgets
