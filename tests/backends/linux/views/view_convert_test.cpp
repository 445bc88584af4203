#include "backends/linux/views/view_convert.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace lumaro::platform::linuxos {
namespace {

// A 3 × 2 bitmap of distinct colours: every pixel of a scaled copy shows which one it came from.
toolkit::Bitmap checker() {
  toolkit::Bitmap bitmap(3, 2, 0);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) bitmap.setPixel(x, y, static_cast<std::uint32_t>(0x102030 * (1 + x + 3 * y)));
  }
  return bitmap;
}

TEST(SharpQImage, DenseScreensGetEachPixelRepeatedByAWholeFactor) {
  const toolkit::Bitmap bitmap = checker();
  const QImage plain = toQImage(bitmap);
  EXPECT_EQ(toSharpQImage(bitmap, 1.0), plain);
  EXPECT_EQ(toSharpQImage(bitmap, 1.25), plain);  // no blur from a fractional factor

  for (qreal ratio : {2.0, 3.0}) {
    const QImage sharp = toSharpQImage(bitmap, ratio);
    const int factor = static_cast<int>(ratio);
    ASSERT_EQ(sharp.size(), plain.size() * factor);
    EXPECT_EQ(sharp.devicePixelRatio(), ratio);  // the picture keeps its logical size
    for (int y = 0; y < sharp.height(); ++y) {
      for (int x = 0; x < sharp.width(); ++x)
        ASSERT_EQ(sharp.pixel(x, y), plain.pixel(x / factor, y / factor));
    }
  }
}

// What a view does on a screen of twice the density: the painted result is the 1× picture scaled up
// by two, pixel for pixel.
TEST(SharpQImage, PaintedOnATwiceDenseSurfaceItEqualsThePictureScaledByTwo) {
  const toolkit::Bitmap bitmap = checker();
  QImage screen(6, 4, QImage::Format_RGB32);
  screen.setDevicePixelRatio(2);
  screen.fill(Qt::white);
  QPainter(&screen).drawImage(0, 0, toSharpQImage(bitmap, screen.devicePixelRatio()));
  QImage expected = toQImage(bitmap).scaled(6, 4, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  expected.setDevicePixelRatio(2);
  EXPECT_EQ(screen, expected);
}

}  // namespace
}  // namespace lumaro::platform::linuxos
