#include "widgets/shade_colors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "widgets/rounding.h"

namespace lumaro::widgets {
namespace {

using toolkit::Color;
using toolkit::rgb;

Color shadow(Color color, int level) {
  return ShadeColors(color, level, level).shadow;
}

TEST(ShadeColors, UnlitLedColoursAtTheUsualContrasts) {
  struct Row {
    Color lit;
    Color level3, level5, level6, level8;
  };
  const Row table[] = {
      {rgb(0, 255, 0), rgb(0, 178, 0), rgb(0, 128, 0), rgb(0, 102, 0), rgb(0, 51, 0)},
      {rgb(255, 255, 0), rgb(178, 178, 0), rgb(128, 128, 0), rgb(102, 102, 0), rgb(51, 51, 0)},
      {rgb(255, 0, 0), rgb(178, 0, 0), rgb(128, 0, 0), rgb(102, 0, 0), rgb(51, 0, 0)},
      {rgb(0, 255, 255), rgb(0, 178, 178), rgb(0, 128, 128), rgb(0, 102, 102), rgb(0, 51, 51)},
  };
  for (const Row& row : table) {
    EXPECT_EQ(shadow(row.lit, 3), row.level3) << std::hex << row.lit;
    EXPECT_EQ(shadow(row.lit, 5), row.level5) << std::hex << row.lit;
    EXPECT_EQ(shadow(row.lit, 6), row.level6) << std::hex << row.lit;
    EXPECT_EQ(shadow(row.lit, 8), row.level8) << std::hex << row.lit;
  }
  // The LED display's default: lime at contrast 7, an exact half in exact arithmetic.
  EXPECT_EQ(shadow(toolkit::clLime, 7), rgb(0, 76, 0));
}

TEST(ShadeColors, ScrewPanelShadesKeepSaturationWhileLuminanceDrops) {
  const Shades grey = ShadeColors(rgb(192, 192, 192), 5, 4);
  EXPECT_EQ(grey.highlight, rgb(223, 223, 223));
  EXPECT_EQ(grey.shadow, rgb(115, 115, 115));
  const Shades beige = ShadeColors(rgb(236, 233, 216), 5, 4);
  EXPECT_EQ(beige.highlight, rgb(245, 243, 235));  // 0.5 × 23 = 11.5 rounds to 12
  EXPECT_EQ(beige.shadow, rgb(177, 164, 94));
  // A system colour is resolved first.
  EXPECT_EQ(ShadeColors(toolkit::clBtnFace, 5, 4).shadow, grey.shadow);
}

TEST(ShadeColors, ExtremeLevels) {
  EXPECT_EQ(shadow(rgb(12, 200, 99), 0), rgb(12, 200, 99));   // level 0 changes nothing
  EXPECT_EQ(shadow(rgb(0, 255, 0), 0), rgb(0, 255, 0));       // lit LEDs and unlit ones alike
  EXPECT_EQ(shadow(rgb(255, 255, 255), 9), rgb(26, 26, 26));  // a tenth of the luminance
  EXPECT_EQ(ShadeColors(rgb(0, 128, 255), 0, 0).highlight, rgb(0, 127, 254));  // −1 stays 0
}

TEST(HLS, GreysWhiteBlackAndPureHues) {
  const auto expectHLS = [](TRGB in, double h, double l, double s) {
    const THLS out = RGB2HLS(in);
    EXPECT_NEAR(out.Hue, h, 1e-12);
    EXPECT_NEAR(out.Luminance, l, 1e-12);
    EXPECT_NEAR(out.Saturation, s, 1e-12);
  };
  expectHLS({0.5, 0.5, 0.5}, 0, 0.5, 0);
  expectHLS({1, 1, 1}, 0, 1, 0);
  expectHLS({0, 0, 0}, 0, 0, 0);
  expectHLS({0, 1, 0}, 1.0 / 3, 0.5, 1);
  expectHLS({1, 0, 1}, 5.0 / 6, 0.5, 1);

  const TRGB red0 = HLS2RGB({0, 0.5, 1});
  const TRGB red1 = HLS2RGB({1, 0.5, 1});
  EXPECT_EQ(red0.Red, red1.Red);
  EXPECT_EQ(red0.Green, red1.Green);
  EXPECT_EQ(red0.Blue, red1.Blue);
  EXPECT_EQ(red1.Red, 1);
  EXPECT_EQ(red1.Green, 0);
}

TEST(HLS, ConversionsAreInversesForColoursThatAreNotGrey) {
  for (int r = 0; r <= 255; r += 15) {
    for (int g = 0; g <= 255; g += 17) {
      for (int b = 0; b <= 255; b += 51) {
        if (r == g && g == b) continue;
        const TRGB in{r / 255.0, g / 255.0, b / 255.0};
        const TRGB back = HLS2RGB(RGB2HLS(in));
        ASSERT_NEAR(back.Red, in.Red, 1e-9) << r << "," << g << "," << b;
        ASSERT_NEAR(back.Green, in.Green, 1e-9) << r << "," << g << "," << b;
        ASSERT_NEAR(back.Blue, in.Blue, 1e-9) << r << "," << g << "," << b;
      }
    }
  }
}

TEST(HLS, TheFirstComponentOutOfRangeIsNamed) {
  const auto messageOf = [](auto convert) {
    try {
      convert();
    } catch (const EColorConv& error) {
      return std::string(error.what());
    }
    return std::string("no error");
  };
  // Saturation is out of range as well, but luminance comes first.
  EXPECT_EQ(messageOf([] { HLS2RGB({0.5, -0.1, 2}); }), "HLS2RGB: 0 <= Luminance value <= 1 required");
  EXPECT_EQ(messageOf([] { HLS2RGB({1.5, 0.5, 0.5}); }), "HLS2RGB: 0 <= Hue value <= 1 required");
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(messageOf([&] { RGB2HLS({0, nan, 0}); }), "RGB2HLS: 0 <= Green value <= 1 required");
  EXPECT_EQ(messageOf([] { RGB2HLS({0, 0, 1.01}); }), "RGB2HLS: 0 <= Blue value <= 1 required");
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(roundHalfEven(127.5L), 128);
  EXPECT_EQ(roundHalfEven(126.5L), 126);
  EXPECT_EQ(roundHalfEven(14.8L), 15);
  EXPECT_EQ(roundHalfEven(-0.5L), 0);
  EXPECT_EQ(roundHalfEven(-1.5L), -2);
  EXPECT_EQ(roundHalfEven(2.4999L), 2);
}

}  // namespace
}  // namespace lumaro::widgets
