#include "backends/linux/desktop/dbus_menu_layout.h"

#include <QBuffer>
#include <QImage>

#include "backends/linux/desktop/tray_icon_engine.h"

namespace lumaro::platform::linuxos {

namespace {

QByteArray pngOf(const TrayImage& image) {
  const QImage picture = toQImage(image);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, "PNG");
  return png;
}

QVariantMap itemProperties(const TrayMenuItem& item) {
  QVariantMap properties{{QStringLiteral("visible"), item.visible}};
  if (item.separator) {
    properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
    return properties;
  }
  properties.insert(QStringLiteral("label"), dbusMenuLabel(item.caption));
  properties.insert(QStringLiteral("enabled"), item.enabled);
  if (item.checked) {
    properties.insert(QStringLiteral("toggle-type"), QStringLiteral("checkmark"));
    properties.insert(QStringLiteral("toggle-state"), 1);
  }
  if (item.image.width > 0 && item.image.height > 0) {
    properties.insert(QStringLiteral("icon-data"), pngOf(item.image));
  }
  return properties;
}

bool known(const std::vector<TrayMenuItem>& items, int id) {
  return id >= 0 && static_cast<std::size_t>(id) <= items.size();
}

}  // namespace

QString dbusMenuLabel(const std::string& caption) {
  const QString text = QString::fromStdString(caption);
  QString label;
  label.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'_') {
      label += QStringLiteral("__");
    } else if (c != u'&') {
      label += c;
    } else if (i + 1 < text.size()) {
      // "&&" is one plain ampersand; '&' before anything else marks that character.
      ++i;
      if (text[i] == u'&') {
        label += u'&';
      } else {
        label += u'_';
        label += text[i] == u'_' ? QStringLiteral("__") : QString(text[i]);
      }
    }
  }
  return label;
}

std::optional<QVariantMap> dbusMenuProperties(const std::vector<TrayMenuItem>& items, int id) {
  if (!known(items, id)) return std::nullopt;
  if (id == 0) return QVariantMap{{QStringLiteral("children-display"), QStringLiteral("submenu")}};
  return itemProperties(items[static_cast<std::size_t>(id - 1)]);
}

QVariantMap namedProperties(const QVariantMap& properties, const QStringList& names) {
  if (names.isEmpty()) return properties;
  QVariantMap named;
  for (const QString& name : names) {
    if (auto found = properties.constFind(name); found != properties.constEnd()) named.insert(name, *found);
  }
  return named;
}

std::optional<DBusMenuLayoutItem> dbusMenuLayout(const std::vector<TrayMenuItem>& items, int id, int depth,
                                                 const QStringList& names) {
  const std::optional<QVariantMap> properties = dbusMenuProperties(items, id);
  if (!properties) return std::nullopt;
  DBusMenuLayoutItem layout{id, namedProperties(*properties, names), {}};
  // Only the root has children: the menu has no submenus.
  if (id == 0 && depth != 0) {
    for (std::size_t i = 0; i < items.size(); ++i) {
      const int child = static_cast<int>(i) + 1;
      layout.children.append({child, namedProperties(itemProperties(items[i]), names), {}});
    }
  }
  return layout;
}

DBusMenuChanges dbusMenuChanges(const std::vector<TrayMenuItem>& before,
                                const std::vector<TrayMenuItem>& after) {
  if (before.size() != after.size()) return {true, {}, {}};
  DBusMenuChanges changes;
  for (std::size_t i = 0; i < after.size(); ++i) {
    if (before[i].separator != after[i].separator) {
      return {true, {}, {}};
    }
    if (before[i] == after[i]) continue;
    const int id = static_cast<int>(i) + 1;
    const QVariantMap old = itemProperties(before[i]);
    const QVariantMap now = itemProperties(after[i]);
    QVariantMap updated;
    for (auto it = now.constBegin(); it != now.constEnd(); ++it) {
      if (old.value(it.key()) != it.value()) updated.insert(it.key(), it.value());
    }
    QStringList dropped;
    for (auto it = old.constBegin(); it != old.constEnd(); ++it) {
      if (!now.contains(it.key())) dropped.append(it.key());
    }
    if (!updated.isEmpty()) changes.updated.append({id, updated});
    if (!dropped.isEmpty()) changes.removed.append({id, dropped});
  }
  return changes;
}

}  // namespace lumaro::platform::linuxos
