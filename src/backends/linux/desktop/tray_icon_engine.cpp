#include "backends/linux/desktop/tray_icon_engine.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>

namespace lumaro::platform::linuxos {

namespace {

// Whole multiples up to three times the picture, each pixel repeated, so that a tray asking for a
// larger icon on a dense screen shows sharp digits instead of a smoothed blur.
constexpr int kLargestScale = 3;

}  // namespace

TrayIconEngine::TrayIconEngine(QImage picture) : picture_(std::move(picture)) {}

// The smallest whole multiple that covers the request (or the largest one), shrunk smoothly to fit
// when it is larger: what the picture looked like when its multiples were handed to the stock engine.
QImage TrayIconEngine::fitted(const QSize& size) const {
  if (picture_.isNull() || size.isEmpty()) return {};
  int factor = 1;
  while (factor < kLargestScale &&
         (picture_.width() * factor < size.width() || picture_.height() * factor < size.height())) {
    ++factor;
  }
  QImage out = picture_.scaled(picture_.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  if (out.width() > size.width() || out.height() > size.height()) {
    out = out.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }
  return out;
}

QSize TrayIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
  return fitted(size).size();
}

QPixmap TrayIconEngine::pixmap(const QSize& size, QIcon::Mode, QIcon::State) {
  return QPixmap::fromImage(fitted(size));
}

void TrayIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) {
  const QPaintDevice* device = painter->device();
  const qreal ratio = device ? device->devicePixelRatioF() : 1.0;
  const QImage image = fitted(rect.size() * ratio);
  if (!image.isNull()) painter->drawImage(rect, image);
}

QList<QSize> TrayIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
  QList<QSize> sizes;
  if (picture_.isNull()) return sizes;
  for (int factor = 1; factor <= kLargestScale; ++factor) sizes.append(picture_.size() * factor);
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
