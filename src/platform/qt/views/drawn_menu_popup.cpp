#include "platform/qt/views/drawn_menu_popup.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/qt/views/view_convert.h"

namespace lumaro::platform::qt {

DrawnMenuPopup::DrawnMenuPopup(toolkit::DrawnMenu& menu, platform::TextService& text, QWidget* parent,
                               Choice onChoice)
    : QWidget(parent, Qt::Popup), picture_(menu, text), onChoice_(std::move(onChoice)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  const toolkit::Size size = picture_.size();
  setFixedSize(size.width, size.height);
}

void DrawnMenuPopup::popup(const QPoint& at) {
  move(at);
  show();
}

void DrawnMenuPopup::paintEvent(QPaintEvent*) {
  QPainter(this).drawImage(0, 0, toQImage(picture_.paint(selected_)));
}

void DrawnMenuPopup::select(int index) {
  if (index == selected_) return;
  selected_ = index;
  update();
}

void DrawnMenuPopup::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  select(picture_.itemAt({at.x(), at.y()}));
}

void DrawnMenuPopup::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  const int chosen = picture_.itemAt({at.x(), at.y()});
  if (chosen < 0) return;
  // The choice runs after the popup is gone, as a menu's command does.
  Choice onChoice = onChoice_;
  close();
  onChoice(chosen);
}

void DrawnMenuPopup::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) close();
}

}  // namespace lumaro::platform::qt
