#pragma once
#include <optional>
#include <vector>

#include "backends/linux/desktop/dbus_menu_types.h"
#include "platform/tray.h"

namespace lumaro::platform::linuxos {

// A tray menu as com.canonical.dbusmenu items: the root has id 0 and item i of the menu id i + 1.

// The caption with the access key marked the D-Bus way: '_' before the letter, "__" for an underscore.
QString dbusMenuLabel(const std::string& caption);

// Every property of item `id`; none for an id the menu does not have.
std::optional<QVariantMap> dbusMenuProperties(const std::vector<TrayMenuItem>& items, int id);

// Those of `properties` that `names` lists; all of them when the list is empty.
QVariantMap namedProperties(const QVariantMap& properties, const QStringList& names);

// Item `id` with its children down to `depth` levels (-1: all), and the properties `names` asks for.
std::optional<DBusMenuLayoutItem> dbusMenuLayout(const std::vector<TrayMenuItem>& items, int id, int depth,
                                                 const QStringList& names);

// What a host must be told when the menu's items change from `before` to `after`: a new layout when
// items came, went or changed kind, else each item's changed and dropped properties.
struct DBusMenuChanges {
  bool layout = false;
  QList<DBusMenuItemProperties> updated;
  QList<DBusMenuItemKeys> removed;

  bool any() const { return layout || !updated.isEmpty() || !removed.isEmpty(); }
};
DBusMenuChanges dbusMenuChanges(const std::vector<TrayMenuItem>& before,
                                const std::vector<TrayMenuItem>& after);

}  // namespace lumaro::platform::linuxos
