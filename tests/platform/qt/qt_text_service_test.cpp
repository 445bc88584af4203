#include "platform/qt/qt_text_service.h"

#include <gtest/gtest.h>

#include <QDir>
#include <vector>

#include "platform/qt/application_fonts.h"

namespace lumaro::platform::qt {
namespace {

TEST(QtTextService, ArialMeasuresAsLiberationSans) {
  QtTextService text;
  EXPECT_EQ(text.textExtent({"Arial", 9, false}, "187").width, 15);
  EXPECT_EQ(text.textExtent({"Arial", 9, false}, "1536").width, 20);
  EXPECT_GT(text.textExtent({"Arial", 12, true}, "W").width,
            text.textExtent({"Arial", 12, false}, "i").width);
  EXPECT_GE(text.textExtent({"Arial", 12, false}, "").height, 12);
}

TEST(QtTextService, DrawsSolidPixelsOnlyInsideTheClipAndKeepsTheTopByteClear) {
  constexpr std::uint32_t kWhite = 0x00FFFFFF, kRed = 0x00FF0000;
  std::vector<std::uint32_t> pixels(40 * 20, kWhite);
  QtTextService text;
  text.drawText({pixels.data(), 40, 20}, {0, 0, 12, 20}, 1, 2, "HHHHHH", {"Arial", 14, true}, kRed);
  int red = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) {
      const std::uint32_t p = pixels[y * 40 + x];
      ASSERT_TRUE(p == kWhite || p == kRed) << std::hex << p << " at " << x << "," << y;  // no blending
      if (p == kRed) {
        ++red;
        EXPECT_LT(x, 12);
      }
    }
  }
  EXPECT_GT(red, 10);
}

TEST(QtTextService, MsSansSerifIsTheProportionalTrueTypeFace) {
  if (!QDir(kWineFontDirectory).exists()) GTEST_SKIP() << "fonts-wine is not installed";
  installApplicationFonts();
  QtTextService text;
  const TextFont font{"MS Sans Serif", 11, false};
  EXPECT_LT(text.textExtent(font, "iiii").width, text.textExtent(font, "WWWW").width);
}

}  // namespace
}  // namespace lumaro::platform::qt
