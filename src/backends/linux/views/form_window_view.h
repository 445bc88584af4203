#pragma once
#include "backends/linux/views/control_view.h"
#include "backends/linux/views/window_drag.h"
#include "toolkit/core/form.h"

namespace lumaro::platform::linuxos {

// The top-level window of a form. The window manager's close request asks the model (form.close()),
// which decides; the user's moves, resizes and minimizing are written back to the model.
class FormWindowView : public ControlView {
 public:
  FormWindowView(toolkit::Form& form, QWidget& window, toolkit::Application& app);
  ~FormWindowView() override;

 protected:
  void apply() override;
  void applyPlacement() override;

 private:
  bool windowEvent(QEvent& event);
  void applyMask();

  toolkit::Form& form_;
  QWidget& window_;
  toolkit::Application& app_;
  WindowDrag drag_;
  bool maskPending_ = false;
};

}  // namespace lumaro::platform::linuxos
