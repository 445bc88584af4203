// The pixmap cache's usage counter (in megabytes) is only declared for Qt's own cache tests; the
// library exports it.
#define Q_TEST_QPIXMAPCACHE
#include "backends/linux/desktop/tray_icon_engine.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPixmapCache>
#include <QtMath>
#include <tuple>

namespace lumaro::platform::linuxos {
namespace {

QImage picture(QRgb colour) {
  QImage out(16, 16, QImage::Format_ARGB32);
  out.fill(colour);
  out.setPixel(0, 0, 0xFF000000);
  return out;
}

QImage paintedAt(const QIcon& icon, int side) {
  QImage canvas(side, side, QImage::Format_ARGB32);
  canvas.fill(Qt::transparent);
  QPainter painter(&canvas);
  icon.paint(&painter, canvas.rect());
  return canvas;
}

// The tray is repainted with a new picture several times a second for days: at a size the picture
// does not have, nothing may pile up in the process-wide pixmap cache. A thousand 44-pixel copies
// would hold about 7 MB there, below the cache's own limit.
TEST(TrayIconEngine, NewPicturesAtAnOddSizeLeaveThePixmapCacheAsItWas) {
  const int before = QPixmapCache::totalUsed();
  for (QRgb colour = 0xFF000100; colour < 0xFF000100 + 1000; ++colour) {
    const QIcon icon = trayIcon(picture(colour));
    EXPECT_EQ(paintedAt(icon, 44).pixel(22, 22), colour);
    EXPECT_FALSE(icon.pixmap(22).isNull());
  }
  EXPECT_EQ(QPixmapCache::totalUsed(), before);
}

TEST(TrayIconEngine, WholeMultiplesAreSharpAndOtherSizesFit) {
  QImage source(16, 16, QImage::Format_ARGB32);
  source.fill(0xFFFFFFFF);
  source.setPixel(1, 0, 0xFF000000);
  const QIcon icon = trayIcon(source);
  EXPECT_EQ(paintedAt(icon, 16), source);
  const QImage doubled = paintedAt(icon, 32);
  EXPECT_EQ(doubled.pixel(2, 0), 0xFF000000);
  EXPECT_EQ(doubled.pixel(3, 1), 0xFF000000);
  EXPECT_EQ(doubled.pixel(4, 0), 0xFFFFFFFF);
  EXPECT_EQ(icon.actualSize(QSize(24, 24)), QSize(24, 24));
  EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
  EXPECT_TRUE(trayIcon(QImage()).isNull());
}

// A picture of distinct pixels, so that any resampling shows.
QImage checkered() {
  QImage source(16, 16, QImage::Format_ARGB32);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x)
      source.setPixel(x, y, (x + y) % 2 ? 0xFF000000 : qRgba(x * 16, y * 16, 200, 255));
  }
  return source;
}

// Whether `shown` holds `source` enlarged `factor` times, pixel by pixel, from (left, top), and
// nothing around it.
bool showsExactly(const QImage& shown, const QImage& source, int factor, int left, int top) {
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      const int sx = (x - left) / factor, sy = (y - top) / factor;
      const bool inside = x >= left && y >= top && sx < source.width() && sy < source.height();
      const QRgb want = inside ? source.pixel(sx, sy) : 0;
      if (shown.pixel(x, y) != want) return false;
    }
  }
  return true;
}

TEST(TrayIconEngine, LargerSlotsShowThePicturePixelForPixelCentredNeverSmoothed) {
  const QImage source = checkered();
  const QIcon icon = trayIcon(source);
  // 22 and 24 pixels (tint2, Xfce, LXQt): the picture itself, centred; 40: doubled, centred; 64: four times.
  for (const auto& [side, factor] : {std::pair{22, 1}, {24, 1}, {32, 2}, {40, 2}, {48, 3}, {64, 4}}) {
    const int margin = (side - 16 * factor) / 2;
    EXPECT_TRUE(showsExactly(icon.pixmap(side).toImage().convertToFormat(QImage::Format_ARGB32), source,
                             factor, margin, margin))
        << side;
    EXPECT_TRUE(showsExactly(paintedAt(icon, side), source, factor, margin, margin)) << side;
  }
}

TEST(TrayIconEngine, APainterOfAFractionalDensityGetsTheDevicesOwnPixels) {
  const QImage source = checkered();
  const QIcon icon = trayIcon(source);
  // A 22-pixel slot at 1.5 is a logical rectangle of about 14.7: the picture stays whole and unscaled.
  for (const auto& [ratio, logical, factor] :
       {std::tuple{1.5, 15, 1}, {2.0, 11, 1}, {2.0, 16, 2}, {1.25, 18, 1}}) {
    const int side = qFloor(logical * ratio);
    QImage canvas(side, side, QImage::Format_ARGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    icon.paint(&painter, QRect(0, 0, logical, logical));
    painter.end();
    canvas.setDevicePixelRatio(1);
    const int margin = (side - 16 * factor) / 2;
    bool exact = false;
    // The centre may round either way by one device pixel.
    for (int shift : {0, 1})
      exact = exact || showsExactly(canvas, source, factor, margin + shift, margin + shift);
    EXPECT_TRUE(exact) << ratio << " " << logical;
  }
}

}  // namespace
}  // namespace lumaro::platform::linuxos
