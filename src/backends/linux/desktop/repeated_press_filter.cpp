#include "backends/linux/desktop/repeated_press_filter.h"

#include <QMouseEvent>
#include <QWidget>

namespace lumaro::platform::linuxos {

bool RepeatedPressFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonDblClick) return false;
  // The event reaches the native window first, then its widget: the widget alone counts.
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || !widget->isWindow()) return false;
  const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
  if (button == Qt::RightButton || button == Qt::MiddleButton) {
    handler_(QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()), button);
  }
  return false;  // the window still sees its double click
}

}  // namespace lumaro::platform::linuxos
