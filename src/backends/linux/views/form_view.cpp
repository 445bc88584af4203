#include "backends/linux/views/form_view.h"

#include <QApplication>

#include "backends/linux/views/form_window_view.h"
#include "backends/linux/views/view_factory.h"

namespace lumaro::platform::linuxos {

FormView::FormView(toolkit::Form& form, toolkit::Application& app)
    : form_(form), window_(std::make_unique<QWidget>()) {
  auto formView = std::make_unique<FormWindowView>(form, *window_, app);
  addChildren(form, *window_, app);
  // Last, so that the window shows (if the form is visible) with all its contents in place.
  formView->refresh();
  views_.push_back(std::move(formView));
  followFocus();
}

FormView::~FormView() {
  form_.setFocusListener(nullptr);
}

void FormView::followFocus() {
  QObject::connect(qApp, &QApplication::focusChanged, &focusWatch_, [this](QWidget*, QWidget* now) {
    // The focus may sit in a part of a control's widget, such as the editor of a combo box.
    for (const QWidget* widget = now; widget != nullptr && widget != window_.get();
         widget = widget->parentWidget()) {
      if (ControlView* view = viewOf(widget)) {
        form_.userFocus(view->control());
        return;
      }
    }
  });
  form_.setFocusListener([this](toolkit::Control& control) {
    for (const auto& view : views_) {
      if (&view->control() == &control) view->widget().setFocus(Qt::OtherFocusReason);
    }
  });
}

ControlView* FormView::viewOf(const QWidget* widget) const {
  for (const auto& view : views_) {
    if (&view->widget() == widget) return view.get();
  }
  return nullptr;
}

void FormView::addChildren(const toolkit::WinControl& parent, QWidget& parentWidget,
                           toolkit::Application& app) {
  for (toolkit::Control* child : parent.children()) {
    std::unique_ptr<ControlView> view = createView(*child, parentWidget, app);
    if (auto* container = dynamic_cast<toolkit::WinControl*>(child))
      addChildren(*container, view->widget(), app);
    // After the children: a page control can only select a page once its pages exist.
    view->refresh();
    views_.push_back(std::move(view));
  }
}

}  // namespace lumaro::platform::linuxos
