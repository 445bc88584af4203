#pragma once
#include <QObject>
#include <QWidget>
#include <memory>
#include <vector>

#include "backends/linux/views/control_view.h"
#include "toolkit/core/form.h"

namespace lumaro::platform::linuxos {

// A form on screen: a top-level window for the form and, below it, a widget for every control under
// it, built from the model's parents and children as they are when the view is made. The widgets take
// the controls' names as object names. Destroy the view before the form.
class FormView {
 public:
  FormView(toolkit::Form& form, toolkit::Application& app);
  ~FormView();
  FormView(const FormView&) = delete;
  FormView& operator=(const FormView&) = delete;

  QWidget& window() const { return *window_; }

 private:
  void addChildren(const toolkit::WinControl& parent, QWidget& parentWidget, toolkit::Application& app);
  // The form learns where the focus went, and focus set on the form moves to the control's widget.
  void followFocus();
  ControlView* viewOf(const QWidget* widget) const;

  toolkit::Form& form_;
  // Declared before the views so that the views go first, while their widgets still exist.
  std::unique_ptr<QWidget> window_;
  std::vector<std::unique_ptr<ControlView>> views_;
  // Last, so that focus reports stop before anything else goes.
  QObject focusWatch_;
};

}  // namespace lumaro::platform::linuxos
