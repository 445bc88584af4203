#include "backends/win32/views/painted_control_view.h"

#include <windowsx.h>

#include <memory>

#include "backends/win32/system/unicode.h"
#include "backends/win32/views/drawn_menu_window.h"
#include "backends/win32/views/own_window_view.h"
#include "backends/win32/views/view_window.h"

namespace lumaro::platform::win32 {

namespace {

// The picture is the window's background: children without one of their own show it. Moves reach
// the model, the tooltip follows the mouse when its text changes with the point, and a right click
// opens the control's own menu.
class PaintedControlView : public OwnWindowView {
 public:
  PaintedControlView(toolkit::PaintedControl& model, ControlView& parent, toolkit::Application& app)
      : OwnWindowView(model, createOwnWindow(parent.window()), &parent, app), model_(model) {
    forwardMouse();
  }

  void paintBackground(HDC dc, const RECT&) override {
    RECT client{};
    GetClientRect(window(), &client);
    drawBitmap(dc, client, model_.picture());
  }
  void paintSeenThrough(HDC dc) override { paintBackground(dc, {}); }

  std::optional<LRESULT> message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_MOUSEMOVE) {
      const POINT at = toLogical({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      const int x = at.x;
      const int y = at.y;
      app().guarded([&] { model_.mouseMove(x, y); });
      if (std::string hint = model_.hintAt(x, y); hint != lastHint_) {
        lastHint_ = std::move(hint);
        updateHint();
      }
    }
    // The system turns a right button's release (or the menu key) into this request.
    if (message == WM_CONTEXTMENU && openMenu(lParam)) return 0;
    return OwnWindowView::message(window, message, wParam, lParam);
  }

 protected:
  void apply() override {
    // Children that show the picture through them are drawn again with it.
    RedrawWindow(window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    // The system's accessibility proxy of a window names it by its text: a screen reader hears what
    // the instrument is for and what it shows.
    const toolkit::AccessibleDescription described = model_.describe();
    std::string text = described.value.empty() ? described.name : described.name + ": " + described.value;
    if (text != accessibleText_) {
      accessibleText_ = std::move(text);
      SetWindowTextW(window(), widen(accessibleText_).c_str());
    }
  }
  std::string hintAt(POINT at) const override { return model_.hintAt(at.x, at.y); }

 private:
  // At the mouse's screen point, or the control's corner when the request came from the keyboard.
  bool openMenu(LPARAM lParam) {
    toolkit::DrawnMenu* menu = model_.contextMenu();
    if (menu == nullptr || !model_.enabled()) return false;
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (lParam == -1) {
      at = {0, 0};
      ClientToScreen(window(), &at);
    }
    // The request never comes from inside the last menu's own handler: that menu may go.
    menu_ = std::make_unique<DrawnMenuWindow>(
        *menu, model_.textService(),
        [this, menu](int index) { app().guarded([&] { menu->clickItem(index); }); }, nullptr);
    menu_->popup(at.x, at.y);
    return true;
  }

  toolkit::PaintedControl& model_;
  std::string lastHint_;
  std::string accessibleText_;
  std::unique_ptr<DrawnMenuWindow> menu_;
};

}  // namespace

std::unique_ptr<ControlView> makeView(toolkit::PaintedControl& model, ControlView& parent,
                                      toolkit::Application& app, ViewKit) {
  return std::make_unique<PaintedControlView>(model, parent, app);
}

}  // namespace lumaro::platform::win32
