#include "widgets/led_display.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>

#include "backends/fake/fake_text_service.h"
#include "toolkit/pixel_art.h"
#include "widgets/led_display_text.h"

namespace lumaro::widgets {
namespace {

using toolkit::Bevel;
using toolkit::Bitmap;
using toolkit::Color;
using toolkit::rgb;
using toolkit::test::colorAt;

// The seven segments of a 10 × 18 glyph with one-pixel lines, by a pixel inside each: top, upper
// left, upper right, middle, lower left, lower right, bottom.
constexpr int kProbes[7][2] = {{4, 1}, {1, 4}, {8, 4}, {4, 9}, {1, 13}, {8, 13}, {4, 16}};

// '1' for a lit segment, '0' for an unlit one, '.' for background, '?' for anything else.
std::string segmentsAt(const Bitmap& picture, int x, int y, Color lit, Color unlit) {
  std::string shown;
  for (const auto& probe : kProbes) {
    const Color c = colorAt(picture, x + probe[0], y + probe[1]);
    shown += c == lit ? '1' : c == unlit ? '0' : c == toolkit::clBlack ? '.' : '?';
  }
  return shown;
}

class LedDisplayTest : public ::testing::Test {
 protected:
  // Configured as the read-outs of the main window: 3 digits of 10 × 18 in 31 × 22.
  void configureAsReadOut(Color led) {
    display.setBounds({0, 0, 31, 22});
    display.setBorderStyle(TBorderStyle::bsNone);
    display.setDigitHeight(18);
    display.setDigitWidth(10);
    display.setDigitLineWidth(1);
    display.setLEDContrast(8);
    display.setNumDigits(3);
    display.setColorLED(led);
  }
  // The three cells of a read-out: glyphs at x = 0, 10, 20 and y = 2.
  std::vector<std::string> cells() {
    std::vector<std::string> shown;
    for (int x : {0, 10, 20})
      shown.push_back(segmentsAt(display.picture(), x, 2, display.ColorLED(), display.unlitColor()));
    return shown;
  }

  platform::fake::FakeTextService text;
  TLEDDisplay display{nullptr, text};
};

TEST_F(LedDisplayTest, NewInstance) {
  EXPECT_EQ(display.bounds().width, 168);
  EXPECT_EQ(display.bounds().height, 36);
  EXPECT_EQ(display.NumDigits(), 6);
  EXPECT_EQ(display.DigitWidth(), 20);
  EXPECT_EQ(display.DigitHeight(), 30);
  EXPECT_EQ(display.LEDContrast(), 7);
  EXPECT_EQ(display.SegmentStyle(), TSegmentStyle::ssBeveled);
  EXPECT_EQ(display.DecSeperator(), TDecSeperator::dsComma);
  EXPECT_EQ(display.unlitColor(), rgb(0, 76, 0));
}

TEST_F(LedDisplayTest, GlyphsLightTheirSegments) {
  configureAsReadOut(toolkit::clLime);
  const char* const lit[kGlyphCount] = {"1110111", "0010010", "1011101", "1011011", "0111010", "1101011",
                                        "0101111",  // 6 without its top
                                        "1010010",  // 7 without its upper left
                                        "1111111",
                                        "1111011",  // 9 with its bottom
                                        "0001000"};
  for (int g = 0; g < kGlyphCount; ++g) {
    EXPECT_EQ(segmentsAt(display.glyph(g), 0, 0, toolkit::clLime, rgb(0, 51, 0)), lit[g]) << "glyph " << g;
    // Segments are separated by the background, which also frames the glyph.
    EXPECT_EQ(colorAt(display.glyph(g), 0, 0), toolkit::clBlack);
    EXPECT_EQ(colorAt(display.glyph(g), 1, 1), toolkit::clBlack);
    EXPECT_EQ(colorAt(display.glyph(g), 1, 9), toolkit::clBlack);
    EXPECT_EQ(colorAt(display.glyph(g), 9, 17), toolkit::clBlack);
  }
}

TEST_F(LedDisplayTest, TextKeepsItsLeftmostDigitsAndMarksTheSeparator) {
  const auto shown = [](long double value, int fraction, int digits) {
    const DisplayText text(value, fraction, digits);
    std::string s;
    for (int p = 1; p <= digits; ++p) s += text.at(p);
    return s + "|" + std::to_string(text.separator());
  };
  EXPECT_EQ(shown(7.5L, 1, 3), "075|3");  // the separator followed the 7
  EXPECT_EQ(shown(1536, 0, 3), "153|0");  // cut on the right
  EXPECT_EQ(shown(5, 0, 3), "005|0");
  EXPECT_EQ(shown(-5, 0, 3), "0-5|0");
  EXPECT_EQ(shown(0.25L, 2, 4), "0025|3");
  EXPECT_EQ(shown(1e20L, 0, 3), "100|2");  // 18 significant digits and an exponent
  EXPECT_EQ(shown(std::numeric_limits<long double>::quiet_NaN(), 0, 3), "000|0");
}

TEST_F(LedDisplayTest, ReadOutsOfTheMainWindow) {
  configureAsReadOut(toolkit::clYellow);
  display.setValue(5);
  EXPECT_THAT(cells(), ::testing::ElementsAre("1110111", "1110111", "1101011"));
  display.setValue(1536);
  EXPECT_THAT(cells(), ::testing::ElementsAre("0010010", "1101011", "1011011"));
  EXPECT_EQ(display.unlitColor(), rgb(51, 51, 0));
  // The lowered bevel lies over the digits.
  EXPECT_EQ(colorAt(display.picture(), 15, 0), rgb(128, 128, 128));
  EXPECT_EQ(colorAt(display.picture(), 0, 21), toolkit::clWhite);
  EXPECT_EQ(colorAt(display.picture(), 30, 0), rgb(128, 128, 128));
}

TEST_F(LedDisplayTest, LeadingZerosBlankOnlyUntilSomethingIsDrawn) {
  configureAsReadOut(toolkit::clLime);
  display.setLeadingZeros(false);
  EXPECT_THAT(cells(), ::testing::ElementsAre(".......", ".......", "......."));
  display.setValue(105);
  EXPECT_THAT(cells(), ::testing::ElementsAre("0010010", "1110111", "1101011"));
  display.setValue(-5);  // "0-5": the minus counts as drawn
  EXPECT_THAT(cells(), ::testing::ElementsAre(".......", "0001000", "1101011"));
}

TEST_F(LedDisplayTest, SeparatorsAtTheRightEdgeOfTheirCell) {
  configureAsReadOut(toolkit::clLime);
  display.setFractionDigits(1);
  display.setValue(7.5L);  // "075" with the comma after the 7: drawn with x = 20 (the third cell)
  EXPECT_THAT(cells(), ::testing::ElementsAre("1110111", "1010010", "1101011"));
  const Bitmap& p = display.picture();
  for (auto [x, y] : {std::pair{15, 12}, {14, 13}, {17, 14}, {16, 15}, {16, 17}, {14, 19}})
    EXPECT_EQ(colorAt(p, x, y), toolkit::clLime) << x << "," << y;  // the dot and its tail
  EXPECT_EQ(colorAt(p, 14, 12), toolkit::clBlack);                  // the dot's corner

  display.setDecSeperator(TDecSeperator::dsPoint);
  EXPECT_EQ(colorAt(display.picture(), 14, 17), toolkit::clLime);
  EXPECT_EQ(colorAt(display.picture(), 14, 19), toolkit::clBlack);
  display.setDecSeperator(TDecSeperator::dsDoublePoint);
  EXPECT_EQ(colorAt(display.picture(), 15, 6), toolkit::clLime);
  EXPECT_EQ(colorAt(display.picture(), 15, 12), toolkit::clLime);
  display.setDecSeperator(TDecSeperator::dsMinus);
  for (int x = 14; x <= 18; ++x) EXPECT_EQ(colorAt(display.picture(), x, 11), toolkit::clLime) << x;

  display.setLeadingZeros(false);
  display.setValue(0.5L);  // "005" with the comma after the blank middle cell: still drawn
  EXPECT_EQ(colorAt(display.picture(), 14, 11), toolkit::clLime);
}

TEST_F(LedDisplayTest, SetterRules) {
  int changes = 0;
  display.OnChange = [&](toolkit::Component&) { ++changes; };
  display.setValue(3);
  display.setValue(3);
  EXPECT_EQ(changes, 1);

  display.setFractionDigits(10);
  EXPECT_EQ(display.FractionDigits(), 5);

  display.setLEDContrast(12);
  EXPECT_EQ(display.LEDContrast(), 7);
  display.setLEDContrast(0);
  EXPECT_EQ(display.unlitColor(), toolkit::clLime);  // unlit segments look lit
  display.setColorLED(toolkit::clRed);
  EXPECT_EQ(display.unlitColor(), toolkit::clRed);
}

TEST_F(LedDisplayTest, BorderInsideTheBevelAndRectangularSegments) {
  display.setColorBackGround(toolkit::clNavy);
  display.setValue(1);
  const Bitmap& p = display.picture();
  EXPECT_EQ(colorAt(p, 0, 0), rgb(128, 128, 128));
  EXPECT_EQ(colorAt(p, 167, 35), toolkit::clWhite);
  EXPECT_EQ(colorAt(p, 1, 1), toolkit::clBlack);  // the single border
  EXPECT_EQ(colorAt(p, 166, 20), toolkit::clBlack);
  EXPECT_EQ(colorAt(p, 2, 2), toolkit::clNavy);

  // Thick round-ended lines; the last cell (x = 140 + 4, y = 3) shows a 1.
  display.setSegmentStyle(TSegmentStyle::ssRectangular);
  const Bitmap& q = display.picture();
  const int x = 144, y = 3;
  EXPECT_EQ(colorAt(q, x + 18, y + 8), toolkit::clLime);  // upper right, x = 20 − 1 − 1
  EXPECT_EQ(colorAt(q, x + 10, y + 1), rgb(0, 76, 0));    // top, unlit
  EXPECT_EQ(colorAt(q, x + 10, y + 15), rgb(0, 76, 0));   // middle, unlit
  EXPECT_EQ(colorAt(q, x + 10, y + 5), toolkit::clNavy);  // inside the glyph
}

}  // namespace
}  // namespace lumaro::widgets
