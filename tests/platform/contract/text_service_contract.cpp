#include "platform/contract/text_service_contract.h"

#include <vector>

namespace lumaro::platform::contract {
namespace {

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(TextServiceContract);

constexpr std::uint32_t kBackground = 0x00123456;
constexpr std::uint32_t kInk = 0x00FFEE01;

// A picture filled with the background; `changed` lists the pixels a drawing touched.
struct Picture {
  Picture(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w * h), kBackground) {}
  PixelTarget target() { return {pixels.data(), width, height}; }
  PixelRect all() const { return {0, 0, width, height}; }
  // True when every changed pixel is ink and lies in `box`; `count` receives how many changed.
  bool changesOnlyInkIn(PixelRect box, int& count) const {
    count = 0;
    bool inside = true;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const std::uint32_t pixel = pixels[static_cast<std::size_t>(y * width + x)];
        if (pixel == kBackground) continue;
        ++count;
        inside = inside && pixel == kInk && x >= box.left && x < box.right && y >= box.top && y < box.bottom;
      }
    }
    return inside;
  }

  int width;
  int height;
  std::vector<std::uint32_t> pixels;
};

TEST_P(TextServiceContract, WiderTextMeasuresWiderAndTheCellHeightIsTheFonts) {
  TextService& text = subject().text();
  const TextFont font{.family = "Arial", .pixelHeight = 11};
  const TextExtent empty = text.textExtent(font, "");
  const TextExtent one = text.textExtent(font, "M");
  const TextExtent two = text.textExtent(font, "MM");
  const TextExtent accented = text.textExtent(font, "Memória");
  EXPECT_EQ(empty.width, 0);
  EXPECT_GT(one.width, 0);
  EXPECT_GT(two.width, one.width);
  EXPECT_GT(accented.width, two.width);
  EXPECT_GT(one.height, 0);
  EXPECT_EQ(two.height, one.height);
  EXPECT_EQ(accented.height, one.height);
  EXPECT_GT(text.textExtent(TextFont{.family = "Arial", .pixelHeight = 22}, "M").height, one.height);
}

TEST_P(TextServiceContract, UpwardTextMeasuresAlongItself) {
  TextService& text = subject().text();
  const TextExtent across = text.textExtent(TextFont{.family = "Tahoma", .pixelHeight = 11}, "100%");
  EXPECT_EQ(text.textExtent(TextFont{.family = "Tahoma", .pixelHeight = 11, .angle = 90}, "100%"), across);
}

TEST_P(TextServiceContract, DrawingPutsSolidInkInsideTheCellAndTheClipOnly) {
  TextService& text = subject().text();
  const TextFont font{.family = "Arial", .pixelHeight = 11};
  const TextExtent cell = text.textExtent(font, "Wg|");
  int count = 0;

  Picture whole(60, 30);
  text.drawText(whole.target(), whole.all(), 4, 5, "Wg|", font, kInk);
  EXPECT_TRUE(whole.changesOnlyInkIn({4, 5, 4 + cell.width, 5 + cell.height}, count));
  EXPECT_GT(count, 0);

  const PixelRect clip{8, 0, 12, 30};
  Picture clipped(60, 30);
  text.drawText(clipped.target(), clip, 4, 5, "Wg|", font, kInk);
  EXPECT_TRUE(clipped.changesOnlyInkIn(clip, count));

  // Partly outside the picture: what lies outside is left out, nothing else breaks.
  Picture edge(10, 10);
  text.drawText(edge.target(), edge.all(), -3, -4, "Wg|", font, kInk);
  EXPECT_TRUE(edge.changesOnlyInkIn(edge.all(), count));
}

TEST_P(TextServiceContract, UpwardTextIsTheCellTurnedAboutItsCorner) {
  TextService& text = subject().text();
  const TextFont font{.family = "Arial", .pixelHeight = 11, .angle = 90};
  const TextExtent cell = text.textExtent(font, "MB");
  Picture picture(30, 60);
  int count = 0;
  text.drawText(picture.target(), picture.all(), 5, 50, "MB", font, kInk);
  EXPECT_TRUE(picture.changesOnlyInkIn({5, 50 - cell.width, 5 + cell.height, 50}, count));
  EXPECT_GT(count, 0);
}

}  // namespace
}  // namespace lumaro::platform::contract
