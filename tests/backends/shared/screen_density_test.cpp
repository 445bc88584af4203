#include "backends/shared/screen_density.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lumaro::platform {
namespace {

TEST(ScreenDensity, ScalesEachCoordinateToTheNearestDevicePixelAndBackToWhereItCameFrom) {
  const ScreenDensity plain{96}, large{120}, larger{144}, double_{192};
  EXPECT_EQ(plain.toDevice(405), 405);
  EXPECT_EQ(large.toDevice(405), 506);   // 506.25
  EXPECT_EQ(larger.toDevice(405), 608);  // 607.5 rounds up
  EXPECT_EQ(double_.toDevice(405), 810);
  EXPECT_EQ(larger.toDevice(-5), -8);  // -7.5: a window left of the screen, rounded away like the right
  // Two controls that touch keep touching: the right edge of one is the left of the next.
  EXPECT_EQ(large.toDevice(3) + (large.toDevice(3 + 7) - large.toDevice(3)), large.toDevice(10));
  for (const ScreenDensity density : {plain, large, larger, double_, ScreenDensity{168}}) {
    for (int logical = -300; logical <= 1200; ++logical) {
      ASSERT_EQ(density.toLogical(density.toDevice(logical)), logical) << density.dpi;
    }
  }
}

TEST(NearestScaled, RepeatsEveryPixelAsABlockAtAWholeMultipleAndNeverMixesColours) {
  const std::vector<std::uint32_t> two{1, 2,  //
                                       3, 4};
  EXPECT_EQ(nearestScaled(two, 2, 2, 4, 4), (std::vector<std::uint32_t>{1, 1, 2, 2,  //
                                                                        1, 1, 2, 2,  //
                                                                        3, 3, 4, 4,  //
                                                                        3, 3, 4, 4}));
  // 4 to 5 (a 16-pixel icon at 20 pixels, in small): one column shown twice, none lost.
  const std::vector<std::uint32_t> row{1, 2, 3, 4};
  const auto wider = nearestScaled(row, 4, 1, 5, 1);
  EXPECT_EQ(wider.size(), 5u);
  for (std::uint32_t pixel : row) EXPECT_NE(std::find(wider.begin(), wider.end(), pixel), wider.end());
  EXPECT_TRUE(std::is_sorted(wider.begin(), wider.end()));
  EXPECT_EQ(nearestScaled(row, 4, 1, 2, 1),
            (std::vector<std::uint32_t>{2, 4}));  // the pixels under the centres
  EXPECT_TRUE(nearestScaled(row, 4, 1, 0, 3).empty());
  EXPECT_TRUE(nearestScaled({}, 0, 0, 3, 3).empty());
}

TEST(NearestScaled, AnIconsSeeThroughPixelsScaleWithItsPicture) {
  toolkit::Bitmap picture(2, 1);
  picture.setPixel(0, 0, 0xFF0000);
  picture.setPixel(1, 0, 0x00FF00);
  const toolkit::Icon icon = toolkit::Icon::masked(picture, 0x00FF00);
  const toolkit::Icon big = nearestScaled(icon, 4, 2);
  ASSERT_EQ(big.image.width(), 4);
  ASSERT_EQ(big.image.height(), 2);
  for (int y = 0; y < 2; ++y) {
    EXPECT_FALSE(big.isTransparent(1, y));
    EXPECT_TRUE(big.isTransparent(2, y));
    EXPECT_EQ(big.image.pixel(1, y), 0xFF0000u);
  }
  const toolkit::Icon opaque{picture, {}};
  EXPECT_TRUE(nearestScaled(opaque, 4, 2).transparent.empty());
  EXPECT_TRUE(nearestScaled(toolkit::Icon{}, 4, 2).empty());
}

}  // namespace
}  // namespace lumaro::platform
