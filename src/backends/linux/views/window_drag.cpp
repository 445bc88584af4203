#include "backends/linux/views/window_drag.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace lumaro::platform::linuxos {

namespace {

// The button a press has just put down; with several down, the lowest.
Qt::MouseButton heldButton() {
  const Qt::MouseButtons held = QGuiApplication::mouseButtons();
  for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
    if (held.testFlag(button)) return button;
  }
  return Qt::NoButton;
}

}  // namespace

WindowDrag::WindowDrag(QWidget& window) : window_(window) {}

WindowDrag::~WindowDrag() {
  finish();
}

void WindowDrag::start() {
  finish();
  button_ = heldButton();
  if (button_ == Qt::NoButton) return;
  pressedAt_ = QCursor::pos();
  windowAt_ = window_.pos();
  // The pointer's events go to the control that took the press: watch them all.
  qApp->installEventFilter(this);
}

void WindowDrag::finish() {
  if (button_ == Qt::NoButton) return;
  qApp->removeEventFilter(this);
  button_ = Qt::NoButton;
  moving_ = false;
}

bool WindowDrag::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    if (static_cast<QMouseEvent*>(event)->button() == button_) finish();
    return false;
  }
  if (event->type() != QEvent::MouseMove) return false;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (!mouse->buttons().testFlag(button_)) {
    finish();  // released where we could not see it
    return false;
  }
  const QPoint travelled = mouse->globalPosition().toPoint() - pressedAt_;
  if (!moving_ && travelled.manhattanLength() < QApplication::startDragDistance()) return false;
  moving_ = true;
  if (QGuiApplication::platformName() != QLatin1String("xcb")) {
    // The compositor places windows: it moves this one until the button is released.
    if (QWindow* handle = window_.windowHandle()) handle->startSystemMove();
    finish();
    return false;
  }
  window_.move(windowAt_ + travelled);
  return true;
}

}  // namespace lumaro::platform::linuxos
