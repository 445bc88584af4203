#pragma once
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QImage>
#include <QObject>
#include <functional>
#include <memory>

#include "backends/linux/desktop/dbus_menu.h"
#include "backends/linux/desktop/status_notifier_types.h"

namespace lumaro::platform::linuxos {

// One tray icon as a StatusNotifierItem: its own session-bus connection holding the name
// "org.kde.StatusNotifierItem-<pid>-<n>" with the item at "/StatusNotifierItem", registered with the
// StatusNotifierWatcher. The host's calls arrive through the handlers, from the event loop and after
// the call has been answered, so that a menu opened in answer never holds the host up.
class StatusNotifierItem : public QObject {
  Q_OBJECT

 public:
  struct Handlers {
    std::function<void(int x, int y)> activate;
    std::function<void(int x, int y)> contextMenu;
    std::function<void(int x, int y)> secondaryActivate;
  };

  StatusNotifierItem(QString title, Handlers handlers);
  ~StatusNotifierItem() override;

  // Serves the menu at the path the Menu property names, for hosts that draw menus themselves. Call
  // it before registering: hosts read that path once.
  void setMenu(TrayMenu menu);
  DBusMenu* menu() const { return menu_.get(); }
  // False when the bus, the name or the watcher refused the item.
  bool registerWithWatcher();
  // Each call announces a new picture (NewIcon) or tip (NewToolTip): callers push only changes.
  void setPicture(const QImage& picture);
  void setTip(const QString& tip);

  const QString& title() const { return title_; }
  const QString& tip() const { return tip_; }
  const StatusNotifierPixmaps& pixmaps() const { return pixmaps_; }
  const Handlers& handlers() const { return handlers_; }

 signals:
  void newIcon();
  void newToolTip();

 private:
  QString title_;
  Handlers handlers_;
  QString tip_;
  StatusNotifierPixmaps pixmaps_;
  std::unique_ptr<DBusMenu> menu_;
  QString connectionName_;
  QString serviceName_;
};

// The org.kde.StatusNotifierItem interface of a StatusNotifierItem.
class StatusNotifierItemAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
  Q_PROPERTY(QString Category READ category)
  Q_PROPERTY(QString Id READ id)
  Q_PROPERTY(QString Title READ title)
  Q_PROPERTY(QString Status READ status)
  Q_PROPERTY(int WindowId READ windowId)
  Q_PROPERTY(QString IconName READ noName)
  Q_PROPERTY(StatusNotifierPixmaps IconPixmap READ iconPixmap)
  Q_PROPERTY(QString OverlayIconName READ noName)
  Q_PROPERTY(StatusNotifierPixmaps OverlayIconPixmap READ noPixmaps)
  Q_PROPERTY(QString AttentionIconName READ noName)
  Q_PROPERTY(StatusNotifierPixmaps AttentionIconPixmap READ noPixmaps)
  Q_PROPERTY(QString AttentionMovieName READ noName)
  Q_PROPERTY(QString IconThemePath READ noName)
  Q_PROPERTY(StatusNotifierToolTip ToolTip READ toolTip)
  Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
  Q_PROPERTY(QDBusObjectPath Menu READ menu)

 public:
  explicit StatusNotifierItemAdaptor(StatusNotifierItem& item);

  QString category() const { return QStringLiteral("ApplicationStatus"); }
  QString id() const { return QStringLiteral("lumaro"); }
  QString title() const { return item_.title(); }
  QString status() const { return QStringLiteral("Active"); }
  int windowId() const { return 0; }
  QString noName() const { return {}; }
  StatusNotifierPixmaps iconPixmap() const { return item_.pixmaps(); }
  StatusNotifierPixmaps noPixmaps() const { return {}; }
  StatusNotifierToolTip toolTip() const { return {{}, {}, item_.tip(), {}}; }
  bool itemIsMenu() const { return false; }
  QDBusObjectPath menu() const;

 public slots:
  void Activate(int x, int y);
  void ContextMenu(int x, int y);
  void SecondaryActivate(int x, int y);
  void Scroll(int delta, const QString& orientation);

 signals:
  void NewTitle();
  void NewIcon();
  void NewAttentionIcon();
  void NewOverlayIcon();
  void NewToolTip();
  void NewStatus(const QString& status);

 private:
  void later(const std::function<void(int, int)>& handler, int x, int y);

  StatusNotifierItem& item_;
};

}  // namespace lumaro::platform::linuxos
