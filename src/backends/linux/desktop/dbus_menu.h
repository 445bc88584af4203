#pragma once
#include <QDBusContext>
#include <QObject>
#include <vector>

#include "backends/linux/desktop/dbus_menu_types.h"
#include "platform/tray.h"

namespace lumaro::platform::linuxos {

// A tray icon's menu served over com.canonical.dbusmenu, for hosts that draw menus themselves. The
// items are read again at each of the host's requests and after each choice, and the host is told
// what changed; a chosen item acts from the event loop, after the host's call has been answered.
class DBusMenu : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
  Q_PROPERTY(uint Version READ version)
  Q_PROPERTY(QString TextDirection READ textDirection)
  Q_PROPERTY(QString Status READ status)
  Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

 public:
  explicit DBusMenu(TrayMenu menu);

  // Takes another menu in place and reads its items.
  void setMenu(TrayMenu menu);
  // Reads the items and announces any change; true when the layout changed.
  bool refresh();

  uint version() const { return 3; }
  QString textDirection() const { return QStringLiteral("ltr"); }
  QString status() const { return QStringLiteral("normal"); }
  QStringList iconThemePath() const { return {}; }

 public slots:
  uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                 DBusMenuLayoutItem& layout);
  QList<DBusMenuItemProperties> GetGroupProperties(const QList<int>& ids, const QStringList& propertyNames);
  QDBusVariant GetProperty(int id, const QString& name);
  void Event(int id, const QString& eventId, const QDBusVariant& data, uint timestamp);
  QList<int> EventGroup(const QList<DBusMenuEvent>& events);
  bool AboutToShow(int id);
  QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors);

 signals:
  void ItemsPropertiesUpdated(const QList<DBusMenuItemProperties>& updatedProps,
                              const QList<DBusMenuItemKeys>& removedProps);
  void LayoutUpdated(uint revision, int parent);

 private:
  bool known(int id) const { return id >= 0 && static_cast<std::size_t>(id) <= items_.size(); }
  // False, with an error to the caller, for an id the menu does not have.
  bool check(int id);
  void handleEvent(int id, const QString& eventId);
  void choose(std::size_t index);

  TrayMenu menu_;
  std::vector<TrayMenuItem> items_;
  uint revision_ = 1;
};

}  // namespace lumaro::platform::linuxos
