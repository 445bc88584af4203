#include "backends/linux/views/form_window_view.h"

#include <QBitmap>
#include <QImage>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include "backends/linux/views/event_filter.h"
#include "backends/linux/views/skip_taskbar.h"
#include "backends/linux/views/view_convert.h"
#include "toolkit/controls/painted_control.h"

namespace lumaro::platform::linuxos {

FormWindowView::FormWindowView(toolkit::Form& form, QWidget& window, toolkit::Application& app)
    : ControlView(form, window, app), form_(form), window_(window), app_(app), drag_(window) {
  form_.setFrontListener([this] {
    window_.raise();
    window_.activateWindow();
  });
  // Not the window manager's move: its request names the left button only, and a press of another
  // button, or a click released before the request arrives, would leave the window on the pointer.
  form_.setMoveListener([this] { drag_.start(); });
  window_.installEventFilter(
      new EventFilter(context(), [this](QEvent& event) { return windowEvent(event); }));
}

FormWindowView::~FormWindowView() {
  form_.setFrontListener(nullptr);
  form_.setMoveListener(nullptr);
}

void FormWindowView::apply() {
  window_.setWindowTitle(toQString(form_.caption()));
  Qt::WindowFlags flags = Qt::Window;
  if (form_.borderStyle() == toolkit::BorderStyle::None) {
    flags |= Qt::FramelessWindowHint;
    // Only the program has a taskbar entry: a borderless window of its own (the progress window) is
    // a tool beside it.
    if (app_.mainForm() != &form_) flags |= Qt::Tool;
  }
  if (form_.borderStyle() == toolkit::BorderStyle::Dialog) {
    flags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
  }
  if (form_.stayOnTop()) flags |= Qt::WindowStaysOnTopHint;
  // New flags re-create the native window, so they are set only when they change.
  if (window_.windowFlags() != flags) window_.setWindowFlags(flags);
  window_.setAttribute(Qt::WA_TranslucentBackground, form_.clearBackground());
}

void FormWindowView::applyMask() {
  if (!form_.clearBackground()) return;
  // Without a compositor a translucent window shows black wherever nothing is drawn: the shape keeps
  // a painted control's covered area, and of any other control the pixels it draws (a label's
  // letters, not its box).
  QImage drawn(window_.size(), QImage::Format_ARGB32_Premultiplied);
  drawn.fill(Qt::transparent);
  // Each control by itself: the window's own rendering would keep to the shape it has now.
  for (QWidget* widget : window_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (widget->isVisible()) widget->render(&drawn, widget->pos(), QRegion(), QWidget::DrawChildren);
  }
  const QRegion opaque(QBitmap::fromImage(drawn.createAlphaMask()));
  QRegion shape;
  for (const toolkit::Control* child : form_.children()) {
    if (!child->visible()) continue;
    const toolkit::Bounds& at = child->bounds();
    if (const auto* painted = dynamic_cast<const toolkit::PaintedControl*>(child)) {
      const toolkit::Rect covered = painted->coveredArea();
      shape += QRect(at.left + covered.left, at.top + covered.top, covered.right - covered.left,
                     covered.bottom - covered.top);
    } else {
      shape += opaque.intersected(QRect(at.left, at.top, at.width, at.height));
    }
  }
  // A new shape asks for a repaint: set only when it differs, or each repaint would ask for another.
  if (shape != window_.mask()) window_.setMask(shape);
}

void FormWindowView::applyPlacement() {
  const bool minimized = form_.windowState() == toolkit::WindowState::Minimized;
  // Set before showing, so that a form shown minimized never flashes up at full size.
  window_.setWindowState(window_.windowState().setFlag(Qt::WindowMinimized, minimized));
  ControlView::applyPlacement();
  // Only a sizeable window lets the user (or the window manager's maximize) change its size.
  if (form_.borderStyle() != toolkit::BorderStyle::Sizeable) {
    window_.setFixedSize(form_.bounds().width, form_.bounds().height);
  }
  applyMask();
}

bool FormWindowView::windowEvent(QEvent& event) {
  switch (event.type()) {
    case QEvent::Close:
      event.ignore();
      userAction([this] { form_.close(); });
      return true;
    case QEvent::WindowStateChange: {
      const auto state =
          window_.isMinimized() ? toolkit::WindowState::Minimized : toolkit::WindowState::Normal;
      if (state != form_.windowState()) userAction([&] { form_.setWindowState(state); });
      return false;
    }
    case QEvent::Show:
      // Before the window is mapped.
      if (window_.windowFlags().testFlag(Qt::Tool)) skipTaskbar(window_);
      return false;
    case QEvent::Paint:
      // Some control drew anew, perhaps other text: the shape follows once the painting is done.
      if (form_.clearBackground() && !maskPending_) {
        maskPending_ = true;
        QTimer::singleShot(0, &context(), [this] {
          maskPending_ = false;
          applyMask();
        });
      }
      return false;
    case QEvent::Move:
    case QEvent::Resize: {
      // Only the window manager's: ours come from the model already.
      const QRect placed = window_.geometry();
      const toolkit::Bounds bounds{placed.x(), placed.y(), placed.width(), placed.height()};
      if (event.spontaneous() && bounds != form_.bounds()) userAction([&] { form_.setBounds(bounds); });
      return false;
    }
    default:
      return false;
  }
}

}  // namespace lumaro::platform::linuxos
