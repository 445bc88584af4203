// The pixmap cache's usage counter (in megabytes) is only declared for Qt's own cache tests; the
// library exports it.
#define Q_TEST_QPIXMAPCACHE
#include "backends/linux/desktop/tray_icon_engine.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QPixmapCache>

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
  EXPECT_EQ(icon.actualSize(QSize(64, 64)), QSize(48, 48));  // never blown up past three times
  EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
  EXPECT_TRUE(trayIcon(QImage()).isNull());
}

}  // namespace
}  // namespace lumaro::platform::linuxos
