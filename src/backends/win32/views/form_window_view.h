#pragma once
#include "backends/win32/views/own_window_view.h"
#include "toolkit/core/form.h"

namespace lumaro::platform::win32 {

// The top-level window of a form, of a window class named after the form's class. Closing it asks the
// model (form.close()), which decides; the user's moves and minimizing are written back to the model.
// The form's bounds are the window's inside, in screen coordinates.
class FormWindowView : public OwnWindowView {
 public:
  FormWindowView(toolkit::Form& form, toolkit::Application& app);
  ~FormWindowView() override;

  std::optional<LRESULT> message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  void apply() override;
  void applyPlacement() override;

 private:
  void applyShape();
  void reportPlacement(WPARAM sizeKind);

  toolkit::Form& form_;
};

}  // namespace lumaro::platform::win32
