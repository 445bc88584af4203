#include "tray/gradient.h"

#include <gtest/gtest.h>

#include "toolkit/pixel_art.h"

namespace lumaro::tray {
namespace {

using toolkit::rgb;
using toolkit::test::colorAt;

TEST(GradientFill, StepsPerChannelWithDivisionsTruncatedTowardZero) {
  toolkit::Bitmap band(4, 2);
  GradientFill(band, rgb(255, 0, 10), rgb(0, 100, 255), TGradientStyle::gsHorizontal);
  EXPECT_EQ(colorAt(band, 0, 0), rgb(255, 0, 10));
  // 255 + 1 × (−255) div 4 = 255 − 63; 0 + 100 div 4; 10 + 245 div 4.
  EXPECT_EQ(colorAt(band, 1, 0), rgb(192, 25, 71));
  EXPECT_EQ(colorAt(band, 3, 1), rgb(64, 75, 193));

  GradientFill(band, rgb(0, 0, 0), rgb(90, 0, 0), TGradientStyle::gsVertical);
  EXPECT_EQ(colorAt(band, 3, 0), rgb(0, 0, 0));
  EXPECT_EQ(colorAt(band, 0, 1), rgb(45, 0, 0));

  GradientFill(band, toolkit::clBtnFace, toolkit::clBtnFace, TGradientStyle::gsDiagonalLeftRight);
  EXPECT_EQ(band, toolkit::Bitmap(4, 2, 0xC0C0C0));  // system colours resolved; equal ends are solid
}

TEST(GradientFill, DiagonalsRunFromTheTopCornerOverAThousandAndTwentyFourSteps) {
  toolkit::Bitmap square(2, 2);
  GradientFill(square, rgb(0, 0, 0), rgb(200, 0, 0), TGradientStyle::gsDiagonalLeftRight);
  EXPECT_EQ(colorAt(square, 0, 0), rgb(0, 0, 0));
  EXPECT_EQ(colorAt(square, 1, 0), rgb(50, 0, 0));   // k = 256
  EXPECT_EQ(colorAt(square, 1, 1), rgb(100, 0, 0));  // k = 512

  GradientFill(square, rgb(0, 0, 0), rgb(200, 0, 0), TGradientStyle::gsDiagonalRightLeft);
  EXPECT_EQ(colorAt(square, 1, 0), rgb(0, 0, 0));
  EXPECT_EQ(colorAt(square, 0, 1), rgb(100, 0, 0));

  toolkit::Bitmap wide(3, 1);  // k = Trunc(2 ÷ 3 × 512) = 341
  GradientFill(wide, rgb(0, 0, 0), rgb(0, 0, 255), TGradientStyle::gsDiagonalLeftRight);
  EXPECT_EQ(colorAt(wide, 2, 0), rgb(0, 0, 84));
}

}  // namespace
}  // namespace lumaro::tray
