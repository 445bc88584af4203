#include "widgets/led_meter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "backends/fake/fake_text_service.h"
#include "toolkit/pixel_art.h"

namespace lumaro::widgets {
namespace {

using ::testing::ElementsAre;
using toolkit::Bevel;
using toolkit::clBtnFace;
using toolkit::rgb;
using toolkit::test::art;
using toolkit::test::colorAt;

constexpr toolkit::Color kFace = rgb(192, 192, 192);
constexpr toolkit::Color kLime = toolkit::clLime, kYellow = toolkit::clYellow;

class LedMeterTest : public ::testing::Test {
 protected:
  LedMeterTest() {
    panel.setColor(clBtnFace);
    meter.setParent(&panel);
  }
  // Configured as the processor meter of the main window.
  void configureAsProcessorMeter() {
    meter.setBounds({0, 0, 241, 23});
    meter.setBevelStyle(Bevel::None);
    meter.setColorSeperator(clBtnFace);
    meter.setLEDContrast(5);
    meter.setNumDigits(40);
    meter.setStartColor2(25);
    meter.setStartColor3(75);
  }

  platform::fake::FakeTextService text;
  toolkit::Panel panel{nullptr};
  TLEDMeter meter{nullptr, text};
};

TEST_F(LedMeterTest, NewInstance) {
  EXPECT_EQ(meter.bounds().width, 143);
  EXPECT_EQ(meter.bounds().height, 16);
  EXPECT_EQ(meter.NumDigits(), 20);
  EXPECT_EQ(meter.LEDContrast(), 6);
  EXPECT_EQ(meter.StartColor2(), 75);
  EXPECT_EQ(meter.StartColor3(), 90);
  EXPECT_EQ(meter.Direction(), TMeterDirection::mdRight);
  EXPECT_EQ(meter.BevelStyle(), Bevel::Lowered);
  EXPECT_EQ(meter.unlitColor(1), rgb(0, 102, 0));
  EXPECT_EQ(meter.unlitColor(2), rgb(102, 102, 0));
  EXPECT_EQ(meter.unlitColor(3), rgb(102, 0, 0));
}

TEST_F(LedMeterTest, CountsRoundHalvesToEven) {
  EXPECT_EQ(ledCount(40, 0, 100, 37), 15);  // 14.8
  EXPECT_EQ(ledCount(40, 0, 100, 25), 10);
  EXPECT_EQ(ledCount(40, 0, 100, 75), 30);
  EXPECT_EQ(ledCount(25, 0, 100, 10), 2);  // 2.5
  EXPECT_EQ(ledCount(25, 0, 100, 30), 8);  // 7.5
  EXPECT_EQ(ledCount(25, 0, 100, 50), 12);
  EXPECT_EQ(ledCount(25, 0, 100, 70), 18);
  EXPECT_EQ(ledCount(25, 0, 100, 90), 22);
  EXPECT_EQ(ledCount(25, 0, 100, 0), 0);
  EXPECT_EQ(ledCount(25, 50, 50, 50), 0);    // no span
  EXPECT_EQ(ledCount(25, 50, 100, 75), 26);  // counted against the span, not from Min: all lit
  EXPECT_EQ(ledCount(20, 2000000000, 2000000001, 2000000001), 21);  // far beyond: no overflow
}

TEST_F(LedMeterTest, SettersKeepTheRangeRules) {
  std::vector<int> changes;
  meter.OnChange = [&](toolkit::Component&) { changes.push_back(meter.Position()); };
  meter.setPosition(150);
  meter.setPosition(150);  // compared before clamping: fires again
  meter.setPosition(100);  // equal to the stored value: nothing
  meter.setPosition(-3);
  EXPECT_THAT(changes, ElementsAre(100, 100, 0));

  meter.setStartColor2(95);
  EXPECT_EQ(meter.StartColor2(), 90);  // not above StartColor3
  meter.setStartColor3(50);
  EXPECT_EQ(meter.StartColor3(), 90);  // not below StartColor2
  meter.setMax(60);
  EXPECT_EQ(meter.StartColor2(), 60);
  EXPECT_EQ(meter.StartColor3(), 60);
  meter.setPosition(80);
  EXPECT_EQ(meter.Position(), 60);
  meter.setMax(40);
  EXPECT_EQ(meter.Position(), 60);  // the position is not clamped again
  meter.setMin(50);
  EXPECT_EQ(meter.StartColor2(), 50);
  EXPECT_EQ(meter.StartColor3(), 50);

  meter.setLEDContrast(10);
  meter.setLEDContrast(-1);
  EXPECT_EQ(meter.LEDContrast(), 6);
  meter.setLEDContrast(3);
  EXPECT_EQ(meter.unlitColor(3), rgb(178, 0, 0));
  meter.setColorLED3(kLime);
  EXPECT_EQ(meter.unlitColor(3), rgb(0, 178, 0));
}

TEST_F(LedMeterTest, ProcessorMeterCellsAndZones) {
  configureAsProcessorMeter();
  meter.setPosition(37);  // 15 LEDs lit; zones begin at 10 and 30
  const auto& p = meter.picture();
  // LED i spans x = 6i..6i + 6, its outline columns shared with its neighbours; 40 LEDs cover 241.
  for (int x : {0, 6, 84, 90, 234, 240}) EXPECT_EQ(colorAt(p, x, 10), kFace) << x;
  for (int y : {0, 22}) EXPECT_EQ(colorAt(p, 3, y), kFace) << y;
  EXPECT_EQ(colorAt(p, 3, 1), kLime);                // LED 0
  EXPECT_EQ(colorAt(p, 57, 11), kLime);              // LED 9, last of zone 1
  EXPECT_EQ(colorAt(p, 63, 11), kYellow);            // LED 10, zone 2
  EXPECT_EQ(colorAt(p, 87, 11), kYellow);            // LED 14, the last lit
  EXPECT_EQ(colorAt(p, 93, 11), rgb(128, 128, 0));   // LED 15, unlit zone 2 at contrast 5
  EXPECT_EQ(colorAt(p, 177, 11), rgb(128, 128, 0));  // LED 29
  EXPECT_EQ(colorAt(p, 183, 11), rgb(128, 0, 0));    // LED 30, unlit zone 3
  EXPECT_EQ(colorAt(p, 239, 21), rgb(128, 0, 0));    // LED 39

  meter.setSingleLED(true);
  EXPECT_EQ(colorAt(meter.picture(), 81, 11), rgb(128, 128, 0));  // LED 13 off now
  EXPECT_EQ(colorAt(meter.picture(), 87, 11), kYellow);           // only LED 14 lit
  meter.setPosition(0);
  EXPECT_EQ(colorAt(meter.picture(), 3, 11), rgb(0, 128, 0));  // n = 0 lights nothing
}

TEST_F(LedMeterTest, UncoveredColumnsShowTheParent) {
  meter.setBounds({0, 0, 353, 15});  // the progress meter: 25 LEDs of 14 cover 351 columns
  meter.setBevelStyle(Bevel::None);
  meter.setNumDigits(25);
  meter.setColorSeperator(toolkit::clBlack);
  EXPECT_EQ(colorAt(meter.picture(), 350, 7), toolkit::clBlack);
  EXPECT_EQ(colorAt(meter.picture(), 351, 7), kFace);
  EXPECT_EQ(colorAt(meter.picture(), 352, 7), kFace);

  meter.setNumDigits(0);  // only the parent (and a bevel, if any)
  EXPECT_EQ(colorAt(meter.picture(), 100, 7), kFace);
}

// On the progress window, which paints no background, only the cells are the meter's.
TEST_F(LedMeterTest, TheCoveredAreaIsTheCellsWithoutABevel) {
  meter.setBounds({0, 0, 605, 50});  // the free-memory meter: 40 LEDs of 15 cover 601 columns
  meter.setBevelStyle(Bevel::None);
  meter.setNumDigits(40);
  EXPECT_EQ(meter.coveredArea(), (toolkit::Rect{0, 0, 601, 50}));
  meter.setDirection(TMeterDirection::mdLeft);
  EXPECT_EQ(meter.coveredArea(), (toolkit::Rect{4, 0, 605, 50}));
  meter.setBounds({0, 0, 20, 95});
  meter.setNumDigits(9);
  meter.setDirection(TMeterDirection::mdUp);
  EXPECT_EQ(meter.coveredArea(), (toolkit::Rect{0, 5, 20, 95}));
  meter.setBevelStyle(Bevel::Lowered);  // the bevel runs round the whole control
  EXPECT_EQ(meter.coveredArea(), (toolkit::Rect{0, 0, 20, 95}));
}

TEST_F(LedMeterTest, DirectionsAndBevel) {
  meter.setBounds({0, 0, 12, 12});
  meter.setNumDigits(3);
  meter.setPosition(40);  // 1 LED of 3
  meter.setColorSeperator(toolkit::clBlack);
  const std::map<toolkit::Color, char> key{{toolkit::clBlack, '#'},
                                           {kLime, 'L'},
                                           {rgb(0, 102, 0), 'l'},
                                           {rgb(102, 102, 0), 'y'},
                                           {rgb(128, 128, 128), 's'},
                                           {toolkit::clWhite, 'h'},
                                           {kFace, '.'}};
  // Lowered bevel: LEDs inset by 1, w = 10 div 3 = 3, h = 10; zone 2 starts at LED Round(2.25) = 2.
  // mdLeft grows from the right edge, so LED 0 is at x = 12 − 1 − 3 − 1 = 7.
  meter.setDirection(TMeterDirection::mdLeft);
  EXPECT_THAT(art(meter.picture(), {0, 0, 12, 3}, key), ElementsAre("ssssssssssss",  //
                                                                    "s##########h",  //
                                                                    "s#yy#ll#LL#h"));
  EXPECT_THAT(art(meter.picture(), {0, 9, 12, 12}, key), ElementsAre("s#yy#ll#LL#h",  //
                                                                     "s##########h",  //
                                                                     "hhhhhhhhhhhh"));
  // Vertical: w = 12 − 2 − 1 = 9, h = 3, each cell h high, so two outline rows lie between neighbours.
  const auto column = [&](int x) {
    std::string shown;
    for (const std::string& row : art(meter.picture(), {x, 0, x + 1, 12}, key)) shown += row;
    return shown;
  };
  meter.setDirection(TMeterDirection::mdUp);
  EXPECT_EQ(column(5), "s.#y##l##L#h");
  EXPECT_EQ(column(10), "s.#########h");  // the cells end at a + w
  meter.setDirection(TMeterDirection::mdDown);
  EXPECT_EQ(column(5), "s#L##l##y#.h");
  meter.setBevelStyle(Bevel::Raised);
  EXPECT_EQ(column(0), "hhhhhhhhhhhs");
}

}  // namespace
}  // namespace lumaro::widgets
