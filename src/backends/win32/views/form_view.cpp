#include "backends/win32/views/form_view.h"

#include "backends/win32/views/view_factory.h"
#include "toolkit/controls/page_control.h"
#include "toolkit/controls/simple_controls.h"

namespace lumaro::platform::win32 {

FormView::FormView(toolkit::Form& form, toolkit::Application& app)
    : form_(form), formView_(std::make_unique<FormWindowView>(form, app)) {
  tooltip_ = createTooltip(formView_->window());
  addChildren(form, *formView_, app);
  // Last, so that the window shows (if the form is visible) with all its contents in place.
  formView_->refresh();
  form_.setFocusListener([this](toolkit::Control& control) {
    for (const auto& view : views_) {
      if (&view->control() == &control) SetFocus(view->focusWindow());
    }
  });
}

FormView::~FormView() {
  form_.setFocusListener(nullptr);
  views_.clear();
  HWND top = formView_->window();
  formView_.reset();
  // The controls' windows and the tooltip go with it.
  DestroyWindow(top);
}

HWND FormView::windowOf(const std::string& name) const {
  for (const auto& view : views_) {
    if (view->control().name() == name) return view->window();
  }
  return nullptr;
}

void FormView::addChildren(const toolkit::WinControl& parent, ControlView& parentView,
                           toolkit::Application& app) {
  for (toolkit::Control* child : parent.children()) {
    std::unique_ptr<ControlView> view = createView(*child, parentView, app);
    // Later siblings lie over earlier ones (a help text over the tabs, figures inside a bevel), but the
    // system stacks a new child window under its siblings, and Tab follows that order. Texts and
    // pictures take no focus, so they alone go on top, each over those before it.
    if (dynamic_cast<toolkit::Label*>(child) != nullptr || dynamic_cast<toolkit::Image*>(child) != nullptr) {
      SetWindowPos(view->window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    // A page's tab has no window of its own to point at.
    if (dynamic_cast<toolkit::TabSheet*>(child) == nullptr) view->setTooltip(tooltip_);
    if (auto* container = dynamic_cast<toolkit::WinControl*>(child)) addChildren(*container, *view, app);
    // After the children: a page control can only select a page once its pages exist.
    view->refresh();
    views_.push_back(std::move(view));
  }
}

}  // namespace lumaro::platform::win32
