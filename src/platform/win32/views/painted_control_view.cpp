#include "platform/win32/views/painted_control_view.h"

#include <windowsx.h>

#include "platform/win32/views/own_window_view.h"
#include "platform/win32/views/view_window.h"

namespace lumaro::platform::win32 {

namespace {

// The picture is the window's background: children without one of their own show it. Moves reach
// the model, and the tooltip follows the mouse when its text changes with the point.
class PaintedControlView : public OwnWindowView {
 public:
  PaintedControlView(toolkit::PaintedControl& model, ControlView& parent, toolkit::Application& app)
      : OwnWindowView(model, createOwnWindow(parent.window()), &parent, app), model_(model) {
    forwardMouse();
  }

  void paintBackground(HDC dc, const RECT&) override { drawBitmap(dc, 0, 0, model_.picture()); }

  std::optional<LRESULT> message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_MOUSEMOVE) {
      const int x = GET_X_LPARAM(lParam);
      const int y = GET_Y_LPARAM(lParam);
      app().guarded([&] { model_.mouseMove(x, y); });
      if (std::string hint = model_.hintAt(x, y); hint != lastHint_) {
        lastHint_ = std::move(hint);
        updateHint();
      }
    }
    return OwnWindowView::message(window, message, wParam, lParam);
  }

 protected:
  void apply() override {
    // Children that show the picture through them are drawn again with it.
    RedrawWindow(window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  }
  std::string hintAt(POINT at) const override { return model_.hintAt(at.x, at.y); }

 private:
  toolkit::PaintedControl& model_;
  std::string lastHint_;
};

}  // namespace

std::unique_ptr<ControlView> makePaintedControlView(toolkit::PaintedControl& model, ControlView& parent,
                                                    toolkit::Application& app) {
  return std::make_unique<PaintedControlView>(model, parent, app);
}

}  // namespace lumaro::platform::win32
