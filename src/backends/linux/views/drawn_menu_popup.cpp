#include "backends/linux/views/drawn_menu_popup.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <optional>

#include "backends/linux/views/view_convert.h"
#include "backends/shared/popup_place.h"

namespace lumaro::platform::linuxos {

namespace {

std::optional<toolkit::MenuKey> menuKeyOf(int key) {
  switch (key) {
    case Qt::Key_Escape:
      return toolkit::MenuKey::Escape;
    case Qt::Key_Down:
      return toolkit::MenuKey::Down;
    case Qt::Key_Up:
      return toolkit::MenuKey::Up;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return toolkit::MenuKey::Enter;
    default:
      return std::nullopt;
  }
}

}  // namespace

DrawnMenuPopup::DrawnMenuPopup(toolkit::DrawnMenu& menu, platform::TextService& text, QWidget* parent,
                               Choice onChoice)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint),
      tracker_(menu, text),
      onChoice_(std::move(onChoice)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  const toolkit::Size size = tracker_.size();
  setFixedSize(size.width, size.height);
}

void DrawnMenuPopup::popup(const QPoint& at) {
  QPoint place = at;
  if (const QScreen* screen = QGuiApplication::screenAt(at)) {
    const QRect room = screen->availableGeometry();
    const toolkit::Point corner =
        popupPlace({at.x(), at.y()}, {width(), height()},
                   {room.left(), room.top(), room.left() + room.width(), room.top() + room.height()});
    place = {corner.x, corner.y};
  }
  move(place);
  show();
}

void DrawnMenuPopup::paintEvent(QPaintEvent*) {
  QPainter(this).drawImage(0, 0, toSharpQImage(tracker_.paint(), devicePixelRatioF()));
}

void DrawnMenuPopup::highlightChanged() {
  update();
  accessible_.highlightChanged();
}

void DrawnMenuPopup::dismiss() {
  close();
}

void DrawnMenuPopup::choose(int index) {
  // The choice runs after the popup is gone, as a menu's command does.
  Choice onChoice = onChoice_;
  close();
  onChoice(index);
}

void DrawnMenuPopup::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  toolkit::react(*this, tracker_.mouseMoved({at.x(), at.y()}));
}

void DrawnMenuPopup::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  toolkit::react(*this, tracker_.mouseReleased({at.x(), at.y()}));
}

void DrawnMenuPopup::keyPressEvent(QKeyEvent* event) {
  if (const auto key = menuKeyOf(event->key())) return toolkit::react(*this, tracker_.key(*key));
  const QString typed = event->text();
  if (typed.size() == 1) toolkit::react(*this, tracker_.typed(typed[0].unicode()));
}

}  // namespace lumaro::platform::linuxos
