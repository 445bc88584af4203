#include "backends/win32/desktop/text_service.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace lumaro::platform::win32 {
namespace {

constexpr TextFont kArial{.family = "Arial", .pixelHeight = 12};

struct Picture {
  int width;
  int height;
  std::vector<std::uint32_t> pixels;

  Picture(int w, int h, std::uint32_t fill)
      : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
  PixelTarget target() { return {pixels.data(), width, height}; }
  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  // The box around the pixels that are not `fill`; empty (left > right) when none.
  PixelRect inked(std::uint32_t fill) const {
    PixelRect box{width, height, -1, -1};
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        if (at(x, y) == fill) continue;
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
      }
    }
    return box;
  }
};

TEST(GdiTextServiceTest, ExtentGrowsWithTheTextAndTheFontAndKeepsOneCellHeight) {
  GdiTextService text;
  const TextExtent one = text.textExtent(kArial, "1");
  const TextExtent four = text.textExtent(kArial, "1536");
  const TextExtent bigger = text.textExtent({.family = "Arial", .pixelHeight = 24}, "1536");

  EXPECT_GT(one.width, 0);
  EXPECT_GT(four.width, 3 * one.width);
  EXPECT_EQ(four.height, one.height);
  EXPECT_GE(one.height, 12);
  EXPECT_GT(bigger.width, four.width);
  EXPECT_EQ(text.textExtent(kArial, ""), (TextExtent{0, one.height}));
  // Measured along the text, turned or not; accents count as characters.
  EXPECT_EQ(text.textExtent({.family = "Arial", .pixelHeight = 12, .angle = 90}, "1536"), four);
  EXPECT_GT(text.textExtent(kArial, "Memória").width, text.textExtent(kArial, "Mem").width);
}

TEST(GdiTextServiceTest, DrawsSharpGlyphsInOneColourInsideTheCellAndTheClipOnly) {
  GdiTextService text;
  Picture picture(60, 30, 0x00FFFFFF);
  const TextExtent extent = text.textExtent(kArial, "88");

  text.drawText(picture.target(), {0, 0, 60, 30}, 10, 5, "88", kArial, 0x00FF0000);

  const PixelRect ink = picture.inked(0x00FFFFFF);
  ASSERT_LE(ink.left, ink.right);
  EXPECT_GE(ink.left, 10);
  EXPECT_GE(ink.top, 5);
  EXPECT_LT(ink.right, 10 + extent.width);
  EXPECT_LT(ink.bottom, 5 + extent.height);
  for (std::uint32_t pixel : picture.pixels) {
    // No antialiasing: only the background and the text colour, and 0 in the top byte.
    EXPECT_TRUE(pixel == 0x00FFFFFF || pixel == 0x00FF0000) << std::hex << pixel;
  }

  Picture clipped(60, 30, 0x00FFFFFF);
  text.drawText(clipped.target(), {0, 0, 14, 30}, 10, 5, "88", kArial, 0x00000000);
  EXPECT_LE(clipped.inked(0x00FFFFFF).right, 13);
  // A clip outside the target changes nothing and does not fail.
  Picture untouched(10, 10, 0x00123456);
  text.drawText(untouched.target(), {20, 20, 40, 40}, 0, 0, "88", kArial, 0);
  EXPECT_EQ(untouched.inked(0x00123456).right, -1);
}

TEST(GdiTextServiceTest, TextAtNinetyDegreesRunsUpwardFromThePoint) {
  GdiTextService text;
  const TextFont turned{.family = "Arial", .pixelHeight = 12, .angle = 90};
  const TextExtent extent = text.textExtent(turned, "Auto");
  Picture picture(40, 80, 0x00FFFFFF);

  text.drawText(picture.target(), {0, 0, 40, 80}, 10, 70, "Auto", turned, 0);

  const PixelRect ink = picture.inked(0x00FFFFFF);
  ASSERT_LE(ink.left, ink.right);
  EXPECT_GE(ink.left, 10);
  EXPECT_LT(ink.right, 10 + extent.height);
  EXPECT_GE(ink.top, 70 - extent.width - 1);
  EXPECT_LE(ink.bottom, 70);
  // Taller than wide: it runs along the height.
  EXPECT_GT(ink.bottom - ink.top, ink.right - ink.left);
}

}  // namespace
}  // namespace lumaro::platform::win32
