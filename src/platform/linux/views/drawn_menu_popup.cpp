#include "platform/linux/views/drawn_menu_popup.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "platform/linux/views/view_convert.h"

namespace lumaro::platform::qt {

DrawnMenuPopup::DrawnMenuPopup(toolkit::DrawnMenu& menu, platform::TextService& text, QWidget* parent,
                               Choice onChoice)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint),
      menu_(menu),
      picture_(menu, text),
      onChoice_(std::move(onChoice)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  const toolkit::Size size = picture_.size();
  setFixedSize(size.width, size.height);
}

void DrawnMenuPopup::popup(const QPoint& at) {
  QPoint place = at;
  if (const QScreen* screen = QGuiApplication::screenAt(at)) {
    const QRect room = screen->availableGeometry();
    if (place.x() + width() > room.right() + 1) place.rx() = std::max(room.left(), at.x() - width());
    if (place.y() + height() > room.bottom() + 1) place.ry() = std::max(room.top(), at.y() - height());
  }
  move(place);
  show();
}

void DrawnMenuPopup::paintEvent(QPaintEvent*) {
  QPainter(this).drawImage(0, 0, toSharpQImage(picture_.paint(selected_), devicePixelRatioF()));
}

void DrawnMenuPopup::select(int index) {
  if (index == selected_) return;
  selected_ = index;
  update();
}

void DrawnMenuPopup::choose(int index) {
  // The choice runs after the popup is gone, as a menu's command does.
  Choice onChoice = onChoice_;
  close();
  onChoice(index);
}

void DrawnMenuPopup::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const int index = picture_.itemAt({at.x(), at.y()});
  select(index >= 0 && menu_.selectable(index) ? index : -1);
}

void DrawnMenuPopup::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const int chosen = picture_.itemAt({at.x(), at.y()});
  if (chosen >= 0 && menu_.selectable(chosen)) choose(chosen);
}

void DrawnMenuPopup::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      close();
      return;
    case Qt::Key_Down:
      select(picture_.nextSelectable(selected_, 1));
      return;
    case Qt::Key_Up:
      select(picture_.nextSelectable(selected_, -1));
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (selected_ >= 0) choose(selected_);
      return;
    default:
      break;
  }
  const QString typed = event->text();
  if (typed.size() != 1 || typed[0].unicode() > 0x7F) return;
  bool unique = false;
  const int found = picture_.itemWithKey(typed[0].toLower().toLatin1(), selected_, unique);
  if (found < 0) return;
  if (unique) {
    choose(found);
  } else {
    select(found);
  }
}

}  // namespace lumaro::platform::qt
