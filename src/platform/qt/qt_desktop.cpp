#include "platform/qt/qt_desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QScreen>
#include <QUrl>
#include <QWidget>

namespace lumaro::platform::qt {

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

void QtDesktop::keepProgramWindowsOnTop() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) continue;
    const bool shown = window->isVisible();
    // Changing the flags re-creates the native window, which hides it: show it again, unactivated.
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (shown) window->show();
  }
}

}  // namespace lumaro::platform::qt
