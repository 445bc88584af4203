#include "backends/linux/desktop/desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QScreen>
#include <QUrl>
#include <QWidget>
#include <algorithm>

namespace lumaro::platform::linuxos {

Area QtDesktop::workArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return Area{0, 0, 1024, 768};
  const QRect area = screen->availableGeometry();
  return Area{area.x(), area.y(), area.width(), area.height()};
}

int QtDesktop::colorDepth() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->depth() : 32;
}

void QtDesktop::beep() {
  QApplication::beep();
}

bool QtDesktop::openDocument(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

namespace {

void setStaysOnTop(QWidget& window, bool onTop) {
  const bool shown = window.isVisible();
  // Changing the flags re-creates the native window, which hides it: show it again, unactivated.
  const bool unactivated = window.testAttribute(Qt::WA_ShowWithoutActivating);
  window.setAttribute(Qt::WA_ShowWithoutActivating, true);
  window.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  if (shown) window.show();
  window.setAttribute(Qt::WA_ShowWithoutActivating, unactivated);
}

}  // namespace

void QtDesktop::keepProgramWindowsOnTop() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) continue;
    setStaysOnTop(*window, true);
    // A window whose own flags were applied again meanwhile is placed again, but listed once.
    if (std::find(placedOnTop_.begin(), placedOnTop_.end(), window) == placedOnTop_.end())
      placedOnTop_.emplace_back(window);
  }
}

void QtDesktop::releaseProgramWindowsFromTop() {
  for (const QPointer<QWidget>& window : placedOnTop_) {
    if (window) setStaysOnTop(*window, false);
  }
  placedOnTop_.clear();
}

}  // namespace lumaro::platform::linuxos
