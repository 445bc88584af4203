#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QImage>

#include "platform/tray.h"

namespace lumaro::platform::linuxos {

// Draws the tray picture at whatever size the host asks, built afresh on each request. The stock
// engine keeps each scaled copy in the process-wide pixmap cache under the pixmap's own key, which a
// new picture never asks for again: with the figures changing the picture several times a second,
// those copies would pile up until the cache's ten megabytes were full.
class TrayIconEngine : public QIconEngine {
 public:
  explicit TrayIconEngine(QImage picture);

  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
  QIconEngine* clone() const override;
  QString key() const override;
  bool isNull() override;

 private:
  QImage picture_;
};

// A tray picture of the logic as an image.
QImage toQImage(const TrayImage& image);

// The picture at a tray's size: enlarged by the largest whole factor that fits, each pixel repeated,
// and centred on a clear square of that size, so that a 22- or 24-pixel slot shows the 16-pixel
// picture pixel for pixel. Never smoothed. A null picture or size gives a null image.
QImage trayPictureAt(const QImage& picture, const QSize& size);

// The picture as a tray icon; a null picture gives a null icon.
QIcon trayIcon(const QImage& picture);

}  // namespace lumaro::platform::linuxos
