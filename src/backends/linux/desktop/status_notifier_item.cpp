#include "backends/linux/desktop/status_notifier_item.h"

#include <unistd.h>

#include <QDBusMessage>
#include <QTimer>

namespace lumaro::platform::linuxos {

namespace {

// What hosts ask for: 16 pixels and its multiples up to three times the density, and the 22 and 24 of
// larger panels, which get the 16-pixel picture unscaled in the middle.
const QList<QSize> kPixmapSizes{{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}};
const QString kItemPath = QStringLiteral("/StatusNotifierItem");
const QString kMenuPath = QStringLiteral("/MenuBar");

int nextItemNumber() {
  static int next = 0;
  return ++next;
}

}  // namespace

StatusNotifierItem::StatusNotifierItem(QString title, Handlers handlers)
    : title_(std::move(title)), handlers_(std::move(handlers)) {
  registerStatusNotifierTypes();
  const int number = nextItemNumber();
  serviceName_ = QStringLiteral("org.kde.StatusNotifierItem-%1-%2").arg(getpid()).arg(number);
  connectionName_ = QStringLiteral("lumaro-status-notifier-%1").arg(number);
  new StatusNotifierItemAdaptor(*this);
}

StatusNotifierItem::~StatusNotifierItem() {
  {
    QDBusConnection bus(connectionName_);
    if (bus.isConnected()) {
      bus.unregisterObject(kItemPath);
      bus.unregisterObject(kMenuPath);
      bus.unregisterService(serviceName_);
    }
  }
  QDBusConnection::disconnectFromBus(connectionName_);
}

bool StatusNotifierItem::registerWithWatcher() {
  QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName_);
  const bool menuServed =
      !menu_ || bus.registerObject(kMenuPath, menu_.get(),
                                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                                       QDBusConnection::ExportAllProperties);
  if (!bus.isConnected() || !menuServed ||
      !bus.registerObject(kItemPath, this, QDBusConnection::ExportAdaptors) ||
      !bus.registerService(serviceName_)) {
    return false;
  }
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.kde.StatusNotifierWatcher"), QStringLiteral("/StatusNotifierWatcher"),
      QStringLiteral("org.kde.StatusNotifierWatcher"), QStringLiteral("RegisterStatusNotifierItem"));
  call << serviceName_;
  // The watcher answers at once; a watcher that hangs must not freeze the program's start.
  constexpr int kTimeoutMs = 2000;
  return bus.call(call, QDBus::Block, kTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

void StatusNotifierItem::setMenu(TrayMenu menu) {
  menu_ = std::make_unique<DBusMenu>(std::move(menu));
}

void StatusNotifierItem::setPicture(const QImage& picture) {
  pixmaps_ = statusNotifierPixmaps(picture, kPixmapSizes);
  emit newIcon();
}

void StatusNotifierItem::setTip(const QString& tip) {
  tip_ = tip;
  emit newToolTip();
}

StatusNotifierItemAdaptor::StatusNotifierItemAdaptor(StatusNotifierItem& item)
    : QDBusAbstractAdaptor(&item), item_(item) {
  connect(&item, &StatusNotifierItem::newIcon, this, &StatusNotifierItemAdaptor::NewIcon);
  connect(&item, &StatusNotifierItem::newToolTip, this, &StatusNotifierItemAdaptor::NewToolTip);
}

// Without a menu the item names the path that tells the hosts knowing it that there is none.
QDBusObjectPath StatusNotifierItemAdaptor::menu() const {
  return QDBusObjectPath(item_.menu() != nullptr ? kMenuPath : QStringLiteral("/NO_DBUSMENU"));
}

void StatusNotifierItemAdaptor::later(const std::function<void(int, int)>& handler, int x, int y) {
  if (handler) QTimer::singleShot(0, this, [handler, x, y] { handler(x, y); });
}

void StatusNotifierItemAdaptor::Activate(int x, int y) {
  later(item_.handlers().activate, x, y);
}

void StatusNotifierItemAdaptor::ContextMenu(int x, int y) {
  later(item_.handlers().contextMenu, x, y);
}

void StatusNotifierItemAdaptor::SecondaryActivate(int x, int y) {
  later(item_.handlers().secondaryActivate, x, y);
}

void StatusNotifierItemAdaptor::Scroll(int, const QString&) {}

}  // namespace lumaro::platform::linuxos
