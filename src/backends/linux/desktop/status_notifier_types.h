#pragma once
#include <QByteArray>
#include <QDBusArgument>
#include <QImage>
#include <QList>
#include <QMetaType>
#include <QSize>
#include <QString>

// The picture and tooltip records of the StatusNotifierItem D-Bus interface.
struct StatusNotifierPixmap {
  int width = 0;
  int height = 0;
  QByteArray argb;  // ARGB32, network byte order, rows top to bottom
};
using StatusNotifierPixmaps = QList<StatusNotifierPixmap>;

struct StatusNotifierToolTip {
  QString iconName;
  StatusNotifierPixmaps pixmaps;
  QString title;
  QString text;
};

Q_DECLARE_METATYPE(StatusNotifierPixmap)
Q_DECLARE_METATYPE(StatusNotifierToolTip)

QDBusArgument& operator<<(QDBusArgument& out, const StatusNotifierPixmap& pixmap);
const QDBusArgument& operator>>(const QDBusArgument& in, StatusNotifierPixmap& pixmap);
QDBusArgument& operator<<(QDBusArgument& out, const StatusNotifierToolTip& tip);
const QDBusArgument& operator>>(const QDBusArgument& in, StatusNotifierToolTip& tip);

namespace lumaro::platform::linuxos {

// Makes the records known to Qt's D-Bus marshalling; call before the first item is exported.
void registerStatusNotifierTypes();

// The picture at each of the sizes (see trayPictureAt), so that a host asking for a larger icon shows
// the same sharp picture.
StatusNotifierPixmaps statusNotifierPixmaps(const QImage& picture, const QList<QSize>& sizes);

}  // namespace lumaro::platform::linuxos
