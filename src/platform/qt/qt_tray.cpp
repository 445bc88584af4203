#include "platform/qt/qt_tray.h"

#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QStyleHints>

namespace lumaro::platform::qt {

namespace {

QImage toQImage(const TrayImage& image) {
  QImage out(image.width, image.height, QImage::Format_ARGB32);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      out.setPixel(x, y, image.argb[static_cast<std::size_t>(y) * image.width + x]);
    }
  }
  return out;
}

}  // namespace

QtTray::QtTray() = default;
QtTray::~QtTray() = default;

void QtTray::show(Entry& entry, const TrayImage& image, const std::string& tip) {
  QImage picture = toQImage(image);
  if (entry.shown.isNull() || picture != entry.shown) {
    entry.icon->setIcon(picture.isNull() ? QIcon() : QIcon(QPixmap::fromImage(picture)));
    entry.shown = std::move(picture);
    ++picturesPushed_;
  }
  const QString text = QString::fromStdString(tip);
  if (entry.icon->toolTip() != text) entry.icon->setToolTip(text);
}

bool QtTray::add(IconId id, const TrayImage& image, const std::string& tip) {
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return false;
  Entry& entry = icons_[id];
  if (!entry.icon) {
    entry.icon = std::make_unique<QSystemTrayIcon>();
    QObject::connect(entry.icon.get(), &QSystemTrayIcon::activated, &context_,
                     [this, id](QSystemTrayIcon::ActivationReason reason) { activated(id, reason); });
  }
  show(entry, image, tip);
  entry.icon->show();
  return true;
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
  found->second.icon->hide();
  icons_.erase(found);
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

std::optional<ScreenPoint> QtTray::cursorPosition() {
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

}  // namespace lumaro::platform::qt
