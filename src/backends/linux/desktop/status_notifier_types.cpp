#include "backends/linux/desktop/status_notifier_types.h"

#include <QDBusMetaType>

#include "backends/linux/desktop/tray_icon_engine.h"

QDBusArgument& operator<<(QDBusArgument& out, const StatusNotifierPixmap& pixmap) {
  out.beginStructure();
  out << pixmap.width << pixmap.height << pixmap.argb;
  out.endStructure();
  return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, StatusNotifierPixmap& pixmap) {
  in.beginStructure();
  in >> pixmap.width >> pixmap.height >> pixmap.argb;
  in.endStructure();
  return in;
}

QDBusArgument& operator<<(QDBusArgument& out, const StatusNotifierToolTip& tip) {
  out.beginStructure();
  out << tip.iconName << tip.pixmaps << tip.title << tip.text;
  out.endStructure();
  return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, StatusNotifierToolTip& tip) {
  in.beginStructure();
  in >> tip.iconName >> tip.pixmaps >> tip.title >> tip.text;
  in.endStructure();
  return in;
}

namespace lumaro::platform::linuxos {

void registerStatusNotifierTypes() {
  qDBusRegisterMetaType<StatusNotifierPixmap>();
  qDBusRegisterMetaType<StatusNotifierPixmaps>();
  qDBusRegisterMetaType<StatusNotifierToolTip>();
}

StatusNotifierPixmaps statusNotifierPixmaps(const QImage& picture, const QList<QSize>& sizes) {
  StatusNotifierPixmaps result;
  if (picture.isNull()) return result;
  const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
  for (const QSize& size : sizes) {
    const QImage shown = trayPictureAt(argb, size);
    StatusNotifierPixmap pixmap{shown.width(), shown.height(), {}};
    pixmap.argb.reserve(pixmap.width * pixmap.height * 4);
    for (int y = 0; y < pixmap.height; ++y) {
      for (int x = 0; x < pixmap.width; ++x) {
        const QRgb pixel = shown.pixel(x, y);
        for (int shift : {24, 16, 8, 0}) pixmap.argb.append(static_cast<char>((pixel >> shift) & 0xFF));
      }
    }
    result.append(std::move(pixmap));
  }
  return result;
}

}  // namespace lumaro::platform::linuxos
