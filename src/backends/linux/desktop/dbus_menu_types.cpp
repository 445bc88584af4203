#include "backends/linux/desktop/dbus_menu_types.h"

#include <QDBusMetaType>

// Children travel as variants, each holding a layout item in turn.
QDBusArgument& operator<<(QDBusArgument& out, const DBusMenuLayoutItem& item) {
  out.beginStructure();
  out << item.id << item.properties;
  out.beginArray(qMetaTypeId<QDBusVariant>());
  for (const DBusMenuLayoutItem& child : item.children) out << QDBusVariant(QVariant::fromValue(child));
  out.endArray();
  out.endStructure();
  return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, DBusMenuLayoutItem& item) {
  in.beginStructure();
  in >> item.id >> item.properties;
  item.children.clear();
  in.beginArray();
  while (!in.atEnd()) {
    QDBusVariant child;
    in >> child;
    item.children.append(qdbus_cast<DBusMenuLayoutItem>(child.variant()));
  }
  in.endArray();
  in.endStructure();
  return in;
}

QDBusArgument& operator<<(QDBusArgument& out, const DBusMenuItemProperties& item) {
  out.beginStructure();
  out << item.id << item.properties;
  out.endStructure();
  return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, DBusMenuItemProperties& item) {
  in.beginStructure();
  in >> item.id >> item.properties;
  in.endStructure();
  return in;
}

QDBusArgument& operator<<(QDBusArgument& out, const DBusMenuItemKeys& item) {
  out.beginStructure();
  out << item.id << item.names;
  out.endStructure();
  return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, DBusMenuItemKeys& item) {
  in.beginStructure();
  in >> item.id >> item.names;
  in.endStructure();
  return in;
}

QDBusArgument& operator<<(QDBusArgument& out, const DBusMenuEvent& event) {
  out.beginStructure();
  out << event.id << event.eventId << event.data << event.timestamp;
  out.endStructure();
  return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, DBusMenuEvent& event) {
  in.beginStructure();
  in >> event.id >> event.eventId >> event.data >> event.timestamp;
  in.endStructure();
  return in;
}

namespace lumaro::platform::linuxos {

void registerDBusMenuTypes() {
  qDBusRegisterMetaType<DBusMenuLayoutItem>();
  qDBusRegisterMetaType<DBusMenuItemProperties>();
  qDBusRegisterMetaType<QList<DBusMenuItemProperties>>();
  qDBusRegisterMetaType<DBusMenuItemKeys>();
  qDBusRegisterMetaType<QList<DBusMenuItemKeys>>();
  qDBusRegisterMetaType<DBusMenuEvent>();
  qDBusRegisterMetaType<QList<DBusMenuEvent>>();
}

}  // namespace lumaro::platform::linuxos
