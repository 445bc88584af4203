#include "backends/linux/desktop/tray.h"

#include "backends/linux/desktop/tray_icon_engine.h"

#include <QCursor>
#include <QGuiApplication>
#include <QStyleHints>

namespace lumaro::platform::linuxos {

namespace {

const QString kItemTitle = QStringLiteral("Lumaro");

}  // namespace

QtTray::QtTray() : hosts_(std::make_unique<TrayHostWatcher>([this] { hostsChanged(); })) {
  QCoreApplication::instance()->installEventFilter(&repeatedPresses_);
}

QtTray::~QtTray() = default;

void QtTray::show(Entry& entry, const TrayImage& image, const std::string& tip) {
  QImage picture = toQImage(image);
  const bool pictureChanged = entry.shown.isNull() || picture != entry.shown;
  if (pictureChanged) entry.shown = std::move(picture);
  const QString text = QString::fromStdString(tip);
  const bool tipChanged = entry.tip != text;
  entry.tip = text;
  if (entry.item) {
    if (pictureChanged) entry.item->setPicture(entry.shown);
    if (tipChanged) entry.item->setTip(text);
    if (DBusMenu* menu = entry.item->menu()) menu->refresh();
  } else if (entry.icon) {
    if (pictureChanged) entry.icon->setIcon(trayIcon(entry.shown));
    if (entry.icon->toolTip() != text) entry.icon->setToolTip(text);
  }
}

// Puts the entry into whichever host exists now; false when there is none.
bool QtTray::showInHost(IconId id, Entry& entry) {
  if (entry.item || entry.icon) return true;
  if (TrayHostWatcher::statusNotifierHostPresent()) {
    entry.item = std::make_unique<StatusNotifierItem>(
        kItemTitle, StatusNotifierItem::Handlers{
                        [this, id](int, int) { itemActivated(id); },
                        [this, id](int x, int y) { itemContextMenu(id, x, y); },
                        [this, id](int, int) {
                          report(id, {TrayMouse::MiddleDown, TrayMouse::MiddleUp});
                        },
                    });
    entry.item->setPicture(entry.shown);
    entry.item->setTip(entry.tip);
    if (auto menu = menus_.find(id); menu != menus_.end()) entry.item->setMenu(menu->second);
    if (entry.item->registerWithWatcher()) return true;
    entry.item.reset();
  }
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return false;
  entry.icon = std::make_unique<QSystemTrayIcon>();
  QObject::connect(entry.icon.get(), &QSystemTrayIcon::activated, &context_,
                   [this, id](QSystemTrayIcon::ActivationReason reason) { activated(id, reason); });
  entry.icon->setIcon(trayIcon(entry.shown));
  entry.icon->setToolTip(entry.tip);
  entry.icon->show();
  return true;
}

bool QtTray::add(IconId id, const TrayImage& image, const std::string& tip) {
  Entry& entry = icons_[id];
  show(entry, image, tip);
  return showInHost(id, entry);
}

bool QtTray::modify(IconId id, const TrayImage& image, const std::string& tip) {
  auto found = icons_.find(id);
  if (found == icons_.end()) return false;
  show(found->second, image, tip);
  return true;
}

void QtTray::remove(IconId id) {
  auto found = icons_.find(id);
  if (found == icons_.end()) return;
  if (found->second.icon) found->second.icon->hide();
  icons_.erase(found);
}

// An item shown already takes a new menu in place; one that gets or loses its menu is registered
// anew, since hosts read the menu's path only once.
void QtTray::setMenu(IconId id, TrayMenu menu) {
  const bool has = static_cast<bool>(menu.items);
  if (has) {
    menus_[id] = menu;
  } else {
    menus_.erase(id);
  }
  auto found = icons_.find(id);
  if (found == icons_.end() || !found->second.item) return;
  Entry& entry = found->second;
  if (has && entry.item->menu() != nullptr) {
    entry.item->menu()->setMenu(std::move(menu));
  } else if (has || entry.item->menu() != nullptr) {
    entry.item.reset();
    showInHost(id, entry);
  }
}

// A host came, went or was replaced: every icon leaves the old host, and the owners add the visible
// ones again, as after the classic "taskbar re-created" broadcast.
void QtTray::hostsChanged() {
  for (auto& [id, entry] : icons_) {
    if (entry.icon) entry.icon->hide();
    entry.icon.reset();
    entry.item.reset();
  }
  if (restarted_) restarted_();
}

void QtTray::report(IconId id, std::initializer_list<TrayMouse> messages) {
  for (TrayMouse message : messages) {
    if (!mouse_ || !icons_.contains(id)) return;  // a report may remove the icon
    mouse_(id, message);
  }
}

// Qt reports whole clicks: they become the classic press-and-release messages.
void QtTray::activated(IconId id, QSystemTrayIcon::ActivationReason reason) {
  switch (reason) {
    case QSystemTrayIcon::Trigger:
      report(id, {TrayMouse::LeftDown, TrayMouse::LeftUp});
      break;
    case QSystemTrayIcon::DoubleClick:
      report(id, {TrayMouse::LeftDoubleClick, TrayMouse::LeftUp});
      break;
    case QSystemTrayIcon::Context:
      report(id, {TrayMouse::RightDown, TrayMouse::RightUp});
      break;
    case QSystemTrayIcon::MiddleClick:
      report(id, {TrayMouse::MiddleDown, TrayMouse::MiddleUp});
      break;
    case QSystemTrayIcon::Unknown:
      break;
  }
}

// A quick second right or middle click on an XEmbed icon, which Qt reported as a double click and
// its icon dropped. The press is reported once the double click has been delivered: the report may
// remove the icon, and with it the window that is still to receive the event.
void QtTray::repeatedPress(const QRect& window, Qt::MouseButton button) {
  const auto reason = button == Qt::RightButton ? QSystemTrayIcon::Context : QSystemTrayIcon::MiddleClick;
  for (const auto& [id, entry] : icons_) {
    if (!entry.icon || entry.icon->geometry() != window) continue;
    QMetaObject::invokeMethod(
        &context_, [this, id = id, reason] { activated(id, reason); }, Qt::QueuedConnection);
    return;
  }
}

// Hosts report single activations only: a second one within the double-click time is the double
// click.
void QtTray::itemActivated(IconId id) {
  auto found = icons_.find(id);
  if (found == icons_.end()) return;
  QElapsedTimer& last = found->second.lastActivation;
  const bool second = last.isValid() && last.elapsed() <= static_cast<qint64>(doubleClickTimeMs());
  if (second) {
    last.invalidate();
    report(id, {TrayMouse::LeftDoubleClick, TrayMouse::LeftUp});
  } else {
    last.start();
    report(id, {TrayMouse::LeftDown, TrayMouse::LeftUp});
  }
}

// The menu opens where the host says; hosts that give no position (0, 0) leave it at the cursor.
void QtTray::itemContextMenu(IconId id, int x, int y) {
  if (x != 0 || y != 0) requestedAt_ = ScreenPoint{x, y};
  report(id, {TrayMouse::RightDown, TrayMouse::RightUp});
  requestedAt_.reset();
}

std::optional<ScreenPoint> QtTray::cursorPosition() {
  if (requestedAt_) return requestedAt_;
  const QPoint at = QCursor::pos();
  return ScreenPoint{at.x(), at.y()};
}

std::uint32_t QtTray::doubleClickTimeMs() {
  return static_cast<std::uint32_t>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

ShiftState QtTray::shiftState() {
  const Qt::KeyboardModifiers held = QGuiApplication::queryKeyboardModifiers();
  return ShiftState{held.testFlag(Qt::ShiftModifier), held.testFlag(Qt::AltModifier),
                    held.testFlag(Qt::ControlModifier)};
}

}  // namespace lumaro::platform::linuxos
