#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "backends/win32/views/control_view.h"
#include "backends/win32/views/form_window_view.h"
#include "backends/win32/views/view_window.h"
#include "toolkit/core/form.h"

namespace lumaro::platform::win32 {

// A form on screen: a top-level window for the form and, below it, a window for every control under
// it, built from the model's parents and children as they are when the view is made. Destroy the view
// before the form; the windows go with it.
class FormView {
 public:
  FormView(toolkit::Form& form, toolkit::Application& app);
  ~FormView();
  FormView(const FormView&) = delete;
  FormView& operator=(const FormView&) = delete;

  HWND window() const { return formView_->window(); }
  // The window that shows the control of that name; null for none.
  HWND windowOf(const std::string& name) const;

 private:
  void addChildren(const toolkit::WinControl& parent, ControlView& parentView, toolkit::Application& app);

  toolkit::Form& form_;
  DialogKeys keys_;
  // Declared before the controls' views, which go first.
  std::unique_ptr<FormWindowView> formView_;
  HWND tooltip_ = nullptr;
  std::vector<std::unique_ptr<ControlView>> views_;
};

}  // namespace lumaro::platform::win32
