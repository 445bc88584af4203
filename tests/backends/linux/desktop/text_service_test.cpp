#include "backends/linux/desktop/text_service.h"

#include <gtest/gtest.h>

#include <QDir>
#include <algorithm>
#include <vector>

#include "backends/linux/desktop/application_fonts.h"
#include "tray/tray_figure.h"

namespace lumaro::platform::linuxos {
namespace {

TEST(QtTextService, ArialMeasuresAsLiberationSans) {
  QtTextService text;
  EXPECT_EQ(text.textExtent({"Arial", 9, false}, "187").width, 15);
  EXPECT_EQ(text.textExtent({"Arial", 9, false}, "1536").width, 20);
  EXPECT_GT(text.textExtent({"Arial", 12, true}, "W").width,
            text.textExtent({"Arial", 12, false}, "i").width);
  EXPECT_GE(text.textExtent({"Arial", 12, false}, "").height, 12);
}

// The tray draws its 9-pixel Arial figure at x = (15 - width) div 2 + 1 in a 16-pixel square: every
// gigabyte figure of today's machines must keep its ink inside the square.
TEST(QtTextService, GigabyteTrayFiguresKeepTheirInkInsideTheTraySquare) {
  constexpr int kMargin = 10;
  const TextFont font{"Arial", 9, false};
  QtTextService text;
  for (std::int64_t freeMB : {10000, 23608, 65535, 101375}) {
    const std::string figure = tray::trayFigure(freeMB);
    std::vector<std::uint32_t> pixels(36 * 16, 0x00FFFFFF);
    const int x = kMargin + (15 - text.textExtent(font, figure).width) / 2 + 1;
    text.drawText({pixels.data(), 36, 16}, {0, 0, 36, 16}, x, 0, figure, font, 0);
    int first = 36, last = -1;
    for (int row = 0; row < 16; ++row) {
      for (int column = 0; column < 36; ++column) {
        if (pixels[row * 36 + column] != 0x00FFFFFF) {
          first = std::min(first, column);
          last = std::max(last, column);
        }
      }
    }
    EXPECT_GE(first, kMargin) << figure;
    EXPECT_LE(last, kMargin + 15) << figure;
  }
}

TEST(QtTextService, TurnedTextRunsUpwardInsideItsTurnedCell) {
  constexpr std::uint32_t kWhite = 0x00FFFFFF, kBlack = 0;
  std::vector<std::uint32_t> pixels(30 * 60, kWhite);
  QtTextService text;
  TextFont font{"Arial", 14, true};
  font.italic = true;
  font.angle = 90;
  const TextExtent extent = text.textExtent(font, "Lumaro");
  text.drawText({pixels.data(), 30, 60}, {0, 0, 30, 60}, 5, 55, "Lumaro", font, kBlack);
  // The cell covers x 5 .. 5 + height and y 55 − width .. 55; the italic slant may lean a pixel or two
  // out of it along the text.
  int top = 60, bottom = 0, left = 30, right = 0;
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 30; ++x) {
      if (pixels[y * 30 + x] != kBlack) continue;
      top = std::min(top, y);
      bottom = std::max(bottom, y);
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  EXPECT_GE(left, 5);
  EXPECT_LT(right, 5 + extent.height);
  EXPECT_GE(top, 55 - extent.width - 2);
  EXPECT_LT(bottom, 55 + 2);
  EXPECT_GT(bottom - top, extent.width * 3 / 4);  // long along y: it runs up, not across
}

TEST(QtTextService, MsSansSerifIsTheProportionalTrueTypeFace) {
  if (!QDir(kWineFontDirectory).exists()) GTEST_SKIP() << "fonts-wine is not installed";
  installApplicationFonts();
  QtTextService text;
  const TextFont font{"MS Sans Serif", 11, false};
  EXPECT_LT(text.textExtent(font, "iiii").width, text.textExtent(font, "WWWW").width);
}

}  // namespace
}  // namespace lumaro::platform::linuxos
