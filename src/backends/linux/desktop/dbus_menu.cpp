#include "backends/linux/desktop/dbus_menu.h"

#include <QPointer>
#include <QTimer>

#include "backends/linux/desktop/dbus_menu_layout.h"

namespace lumaro::platform::linuxos {

DBusMenu::DBusMenu(TrayMenu menu) : menu_(std::move(menu)) {
  registerDBusMenuTypes();
  if (menu_.items) items_ = menu_.items();
}

void DBusMenu::setMenu(TrayMenu menu) {
  menu_ = std::move(menu);
  refresh();
}

bool DBusMenu::refresh() {
  std::vector<TrayMenuItem> items = menu_.items ? menu_.items() : std::vector<TrayMenuItem>{};
  const DBusMenuChanges changes = dbusMenuChanges(items_, items);
  items_ = std::move(items);
  if (changes.layout) {
    emit LayoutUpdated(++revision_, 0);
  } else if (changes.any()) {
    emit ItemsPropertiesUpdated(changes.updated, changes.removed);
  }
  return changes.layout;
}

bool DBusMenu::check(int id) {
  if (known(id)) return true;
  if (calledFromDBus()) {
    sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("no menu item with id %1").arg(id));
  }
  return false;
}

uint DBusMenu::GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                         DBusMenuLayoutItem& layout) {
  refresh();
  if (check(parentId)) layout = *dbusMenuLayout(items_, parentId, recursionDepth, propertyNames);
  return revision_;
}

QList<DBusMenuItemProperties> DBusMenu::GetGroupProperties(const QList<int>& ids,
                                                           const QStringList& propertyNames) {
  refresh();
  QList<int> wanted = ids;
  if (wanted.isEmpty()) {  // every item
    for (int id = 0; known(id); ++id) wanted.append(id);
  }
  QList<DBusMenuItemProperties> result;
  for (int id : wanted) {
    if (const auto properties = dbusMenuProperties(items_, id)) {
      result.append({id, namedProperties(*properties, propertyNames)});
    }
  }
  return result;
}

QDBusVariant DBusMenu::GetProperty(int id, const QString& name) {
  refresh();
  if (!check(id)) return {};
  return QDBusVariant(dbusMenuProperties(items_, id)->value(name));
}

void DBusMenu::Event(int id, const QString& eventId, const QDBusVariant&, uint) {
  if (check(id)) handleEvent(id, eventId);
}

QList<int> DBusMenu::EventGroup(const QList<DBusMenuEvent>& events) {
  QList<int> idErrors;
  for (const DBusMenuEvent& event : events) {
    if (!known(event.id)) {
      idErrors.append(event.id);
    } else {
      handleEvent(event.id, event.eventId);
    }
  }
  if (!events.isEmpty() && idErrors.size() == events.size() && calledFromDBus()) {
    sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("no menu item with any of the ids"));
  }
  return idErrors;
}

bool DBusMenu::AboutToShow(int id) {
  const bool changed = refresh();
  return check(id) && changed;
}

QList<int> DBusMenu::AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors) {
  const bool changed = refresh();
  QList<int> updatesNeeded;
  for (int id : ids) {
    if (!known(id)) {
      idErrors.append(id);
    } else if (changed) {
      updatesNeeded.append(id);
    }
  }
  return updatesNeeded;
}

// Only clicks act; hovering, opening and closing change nothing.
void DBusMenu::handleEvent(int id, const QString& eventId) {
  if (eventId != QStringLiteral("clicked") || id == 0) return;
  const auto index = static_cast<std::size_t>(id - 1);
  QTimer::singleShot(0, this, [this, index] { choose(index); });
}

// The action may end the program and this menu with it: it runs from a copy, and the menu is read
// again only if it is still there.
void DBusMenu::choose(std::size_t index) {
  const auto chooseItem = menu_.choose;
  if (!chooseItem) return;
  const QPointer<DBusMenu> self(this);
  chooseItem(index);
  if (self) refresh();
}

}  // namespace lumaro::platform::linuxos
