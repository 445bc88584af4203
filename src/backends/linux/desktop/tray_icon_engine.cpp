#include "backends/linux/desktop/tray_icon_engine.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QtMath>
#include <algorithm>

namespace lumaro::platform::linuxos {

QImage toQImage(const TrayImage& image) {
  QImage out(image.width, image.height, QImage::Format_ARGB32);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      out.setPixel(x, y, image.argb[static_cast<std::size_t>(y) * image.width + x]);
    }
  }
  return out;
}

namespace {

// The sizes offered to hosts that ask which ones there are: the picture and its double and triple.
constexpr int kLargestListedScale = 3;

// The picture enlarged by the largest whole factor that fits the room, each pixel repeated; in a room
// smaller than the picture, shrunk by dropping pixels. Never smoothed: grey fringes would blur the
// one-pixel strokes of the figure.
QImage enlarged(const QImage& picture, const QSize& room) {
  if (picture.isNull() || room.isEmpty()) return {};
  const int factor = std::min(room.width() / picture.width(), room.height() / picture.height());
  if (factor < 1) return picture.scaled(room, Qt::KeepAspectRatio, Qt::FastTransformation);
  return picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace

QImage trayPictureAt(const QImage& picture, const QSize& size) {
  QImage shown = enlarged(picture, size);
  if (shown.isNull() || shown.size() == size) return shown;
  QImage out(size, QImage::Format_ARGB32);
  out.fill(Qt::transparent);
  QPainter painter(&out);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage((size.width() - shown.width()) / 2, (size.height() - shown.height()) / 2, shown);
  return out;
}

TrayIconEngine::TrayIconEngine(QImage picture) : picture_(std::move(picture)) {}

QSize TrayIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
  return trayPictureAt(picture_, size).size();
}

QPixmap TrayIconEngine::pixmap(const QSize& size, QIcon::Mode, QIcon::State) {
  return QPixmap::fromImage(trayPictureAt(picture_, size));
}

// Drawn in the device's own pixels, centred in the rectangle, so that no scaling of the painter's
// (a fractional density, a rectangle of an odd size) resamples the picture.
void TrayIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) {
  const QPaintDevice* device = painter->device();
  const qreal ratio = device ? device->devicePixelRatioF() : 1.0;
  QImage image = enlarged(picture_, QSize(qFloor(rect.width() * ratio), qFloor(rect.height() * ratio)));
  if (image.isNull()) return;
  image.setDevicePixelRatio(ratio);
  const QSizeF shown = QSizeF(image.size()) / ratio;
  painter->drawImage(
      QPointF(rect.x() + (rect.width() - shown.width()) / 2, rect.y() + (rect.height() - shown.height()) / 2),
      image);
}

QList<QSize> TrayIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
  QList<QSize> sizes;
  if (picture_.isNull()) return sizes;
  for (int factor = 1; factor <= kLargestListedScale; ++factor) sizes.append(picture_.size() * factor);
  return sizes;
}

QIconEngine* TrayIconEngine::clone() const {
  return new TrayIconEngine(picture_);
}

QString TrayIconEngine::key() const {
  return QStringLiteral("LumaroTrayIconEngine");
}

bool TrayIconEngine::isNull() {
  return picture_.isNull();
}

QIcon trayIcon(const QImage& picture) {
  if (picture.isNull()) return {};
  return QIcon(new TrayIconEngine(picture));
}

}  // namespace lumaro::platform::linuxos
