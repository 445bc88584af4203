#include "app/pictures/program_icon.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace lumaro::app {
namespace {

using toolkit::rgb;
using toolkit::toPixel;

std::vector<std::string> rows(const toolkit::Icon& icon) {
  const std::pair<std::uint32_t, char> key[] = {
      {toPixel(toolkit::clBlack), 'k'}, {toPixel(rgb(0, 128, 0)), 'D'},  {toPixel(rgb(0, 192, 64)), 'L'},
      {toPixel(rgb(0, 80, 0)), 'd'},    {toPixel(rgb(24, 24, 24)), 'c'}, {toPixel(rgb(96, 96, 96)), 'g'},
      {toPixel(rgb(255, 204, 0)), 'y'},
  };
  std::vector<std::string> result;
  for (int y = 0; y < icon.image.height(); ++y) {
    std::string row;
    for (int x = 0; x < icon.image.width(); ++x) {
      char letter = '?';
      for (const auto& [pixel, name] : key) {
        if (icon.image.pixel(x, y) == pixel) letter = name;
      }
      row += icon.isTransparent(x, y) ? '.' : letter;
    }
    result.push_back(row);
  }
  return result;
}

TEST(ProgramIcon, SixteenPixelsShowAModuleWithFourChipsAndSixContacts) {
  const std::vector<std::string> expected{
      "................", "................", "................", "kkkkkkkkkkkkkkkk",
      "kLLLLLLLLLLLLLLk", "kDggDggDDggDggDk", "kDccDccDDccDccDk", "kDccDccDDccDccDk",
      "kDccDccDDccDccDk", "kddddddddddddddk", "kyDyDyDDDDyDyDyk", "kyDyDyDDDDyDyDyk",
      "kkkkkkkkkkkkkkkk", "................", "................", "................",
  };
  EXPECT_EQ(rows(programIcon(16)), expected);
}

// Whatever the size, the picture is square, its outline a mirror image left to right, its corners
// see-through, and the key notch (from 32 px on) a see-through gap in the middle of the bottom edge.
TEST(ProgramIcon, EverySizeIsSquareSymmetricAndNotchedWhenLargeEnough) {
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    SCOPED_TRACE(size);
    const toolkit::Icon icon = programIcon(size);
    ASSERT_EQ(icon.image.width(), size);
    ASSERT_EQ(icon.image.height(), size);
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size / 2; ++x) {
        ASSERT_EQ(icon.isTransparent(x, y), icon.isTransparent(size - 1 - x, y)) << x << "," << y;
      }
    }
    EXPECT_TRUE(icon.isTransparent(0, 0));
    EXPECT_FALSE(icon.isTransparent(size / 2, size / 2));
    const int bottomEdge = size * 13 / 16 - 1;
    EXPECT_EQ(icon.isTransparent(size / 2, bottomEdge), size >= 32);
    EXPECT_FALSE(icon.isTransparent(size / 4, bottomEdge));
  }
}

TEST(ProgramIcon, SizesOutsideTheRangeAreClamped) {
  EXPECT_EQ(programIcon(0).image.width(), 16);
  EXPECT_EQ(programIcon(1000).image.width(), 256);
}

}  // namespace
}  // namespace lumaro::app
