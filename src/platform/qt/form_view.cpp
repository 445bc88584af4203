#include "platform/qt/form_view.h"

#include "platform/qt/views/form_window_view.h"
#include "platform/qt/views/view_factory.h"

namespace lumaro::platform::qt {

FormView::FormView(toolkit::Form& form, toolkit::Application& app) : window_(std::make_unique<QWidget>()) {
  auto formView = std::make_unique<FormWindowView>(form, *window_, app);
  addChildren(form, *window_, app);
  // Last, so that the window shows (if the form is visible) with all its contents in place.
  formView->refresh();
  views_.push_back(std::move(formView));
}

FormView::~FormView() = default;

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

}  // namespace lumaro::platform::qt
