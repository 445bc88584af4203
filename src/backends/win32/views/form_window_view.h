#pragma once
#include "backends/win32/views/own_window_view.h"
#include "toolkit/core/form.h"

namespace lumaro::platform::win32 {

// The top-level window of a form, of a window class named after the form's class. Closing it asks the
// model (form.close()), which decides; the user's moves and minimizing are written back to the model.
// The form's bounds are the window's inside, in screen coordinates (logical pixels, scaled by the
// screen's density like everything below it).
class FormWindowView : public OwnWindowView {
 public:
  FormWindowView(toolkit::Form& form, toolkit::Application& app);
  ~FormWindowView() override;

  std::optional<LRESULT> message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
  // A form without a background of its own paints the key colour that the system leaves see-through.
  void paintBackground(HDC dc, const RECT& area) override;

 protected:
  void apply() override;
  void applyPlacement() override;

 private:
  void applyShape();
  void reportPlacement(WPARAM sizeKind);
  // Brings every view of the form up to date after the screen's density or the user's colours
  // changed; painted controls paint their pictures again for new colours.
  void refreshEveryView(bool coloursChanged);

  toolkit::Form& form_;
};

}  // namespace lumaro::platform::win32
