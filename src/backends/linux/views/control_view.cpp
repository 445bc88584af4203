#include "backends/linux/views/control_view.h"

#include <QCursor>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

#include "backends/linux/views/event_filter.h"
#include "backends/linux/views/view_convert.h"

namespace lumaro::platform::linuxos {

ControlView::ControlView(toolkit::Control& control, QWidget& widget, toolkit::Application& app)
    : control_(control), widget_(widget), app_(app), accessible_(widget, control) {
  control_.setChangeListener([this] { refresh(); });
  if (QWidget* parent = widget_.parentWidget()) {
    parent->installEventFilter(new EventFilter(context_, [this](QEvent& event) {
      if (event.type() == QEvent::Resize && control_.align() == toolkit::Align::Client) {
        const QRect placed = placedRect();
        widget_.setGeometry(placed);
        // The model learns its size, so that a painted control paints all of it.
        const toolkit::Bounds bounds{placed.x(), placed.y(), placed.width(), placed.height()};
        if (bounds != control_.bounds()) app_.guarded([&] { control_.setBounds(bounds); });
      }
      return false;
    }));
  }
  widget_.installEventFilter(new EventFilter(context_, [this](QEvent& event) {
    if (event.type() != QEvent::ToolTip) return false;
    showHint(static_cast<const QHelpEvent&>(event).pos());
    return true;
  }));
}

ControlView::~ControlView() {
  control_.setChangeListener(nullptr);
}

void ControlView::refresh() {
  const QSignalBlocker blocker(&widget_);
  applyLook();
  apply();
  applyPlacement();
  accessible_.announce();
}

void ControlView::applyLook() {
  Look look{control_.name(), control_.hint(), control_.font(), control_.cursor(), control_.color()};
  if (look == shownLook_) return;
  widget_.setObjectName(toQString(look.name));
  widget_.setToolTip(toQString(look.hint));
  widget_.setFont(toQFont(look.font));
  if (look.cursor == toolkit::Cursor::HandPoint) {
    widget_.setCursor(Qt::PointingHandCursor);
  } else {
    widget_.unsetCursor();
  }
  shownLook_ = std::move(look);
  applyColors();
}

void ControlView::applyPlacement() {
  widget_.setEnabled(control_.enabled());
  widget_.setGeometry(placedRect());
  widget_.setVisible(control_.visible());
}

QRect ControlView::placedRect() const {
  if (control_.align() == toolkit::Align::Client && widget_.parentWidget() != nullptr) {
    return widget_.parentWidget()->contentsRect();
  }
  const toolkit::Bounds& bounds = control_.bounds();
  return {bounds.left, bounds.top, bounds.width, bounds.height};
}

void ControlView::applyColors() {
  // Only the roles set here override what the parent widget passes down.
  QPalette palette;
  const auto background = toQColor(control_.color());
  if (background) {
    palette.setColor(QPalette::Window, *background);
    palette.setColor(QPalette::Base, *background);
  }
  if (const auto text = toQColor(control_.font().color)) {
    palette.setColor(QPalette::WindowText, *text);
    palette.setColor(QPalette::Text, *text);
    palette.setColor(QPalette::ButtonText, *text);
  }
  widget_.setPalette(palette);
  widget_.setAutoFillBackground(background.has_value());
}

std::string ControlView::hintAt(const QPoint&) const {
  return control_.hint();
}

void ControlView::showHint(const QPoint& at) {
  const std::string text = hintAt(at);
  const std::optional<toolkit::HintInfo> hint = text.empty() ? std::nullopt : app_.hintToShow(text);
  if (!hint) {
    QToolTip::hideText();
    return;
  }
  QToolTip::showText(widget_.mapToGlobal(at), toQString(hint->text), &widget_);
  if (hint->reshowTimeoutMs <= 0) return;
  QTimer::singleShot(hint->reshowTimeoutMs, &context_, [this] {
    const QPoint now = widget_.mapFromGlobal(QCursor::pos());
    if (QToolTip::isVisible() && widget_.rect().contains(now)) showHint(now);
  });
}

void ControlView::userAction(const std::function<void()>& action) {
  app_.guarded(action);
  refresh();
}

void ControlView::forwardMouse() {
  widget_.installEventFilter(new EventFilter(context_, [this](QEvent& event) { return mouseEvent(event); }));
}

bool ControlView::mouseEvent(QEvent& event) {
  const auto type = event.type();
  if (!control_.enabled() || (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
                              type != QEvent::MouseButtonRelease)) {
    return false;
  }
  const auto& mouse = static_cast<const QMouseEvent&>(event);
  const QPoint at = mouse.position().toPoint();
  if (type == QEvent::MouseButtonRelease) {
    if (mouse.button() == Qt::LeftButton && widget_.rect().contains(at))
      userAction([this] { control_.click(); });
  } else if (const auto button = toMouseButton(mouse.button())) {
    userAction([&] { control_.mouseDown(*button, at.x(), at.y()); });
  }
  // Handled here: a press on a label must not also reach the panel beneath it.
  return true;
}

}  // namespace lumaro::platform::linuxos
