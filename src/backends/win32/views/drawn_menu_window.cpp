#include "backends/win32/views/drawn_menu_window.h"

#include <windowsx.h>

#include <optional>
#include <utility>

#include "backends/shared/popup_place.h"
#include "backends/win32/views/view_convert.h"

namespace lumaro::platform::win32 {

namespace {

std::optional<toolkit::MenuKey> menuKeyOf(WPARAM key) {
  switch (key) {
    case VK_ESCAPE:
      return toolkit::MenuKey::Escape;
    case VK_DOWN:
      return toolkit::MenuKey::Down;
    case VK_UP:
      return toolkit::MenuKey::Up;
    case VK_RETURN:
      return toolkit::MenuKey::Enter;
    default:
      return std::nullopt;
  }
}

}  // namespace

DrawnMenuWindow::DrawnMenuWindow(toolkit::DrawnMenu& menu, platform::TextService& text, Choice onChoice,
                                 std::function<void()> onClosed)
    : tracker_(menu, text), onChoice_(std::move(onChoice)), onClosed_(std::move(onClosed)) {
  window_ = std::make_unique<OwnWindow>(
      OwnWindow::Shape{.className = L"LumaroDrawnMenu",
                       .parent = nullptr,
                       .style = WS_POPUP,
                       .exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW},
      [this](UINT message, WPARAM wParam, LPARAM lParam) { return handle(message, wParam, lParam); });
}

DrawnMenuWindow::~DrawnMenuWindow() {
  // Destroying the window must not report a close to an owner that is going away itself.
  onClosed_ = nullptr;
  closing_ = true;
  if (GetCapture() == window_->handle()) ReleaseCapture();
}

ScreenDensity DrawnMenuWindow::density() const {
  const UINT dpi = GetDpiForWindow(window_->handle());
  return ScreenDensity{dpi == 0 ? ScreenDensity::kLogicalDpi : static_cast<int>(dpi)};
}

void DrawnMenuWindow::popup(int x, int y) {
  // The menu is drawn in logical pixels and shown scaled by the screen's density.
  const toolkit::Size logical = tracker_.size();
  const ScreenDensity screen = density();
  const toolkit::Size size{screen.toDevice(logical.width), screen.toDevice(logical.height)};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoW(MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT& room = monitor.rcWork;
    const toolkit::Point corner = popupPlace({x, y}, size, {room.left, room.top, room.right, room.bottom});
    x = corner.x;
    y = corner.y;
  }
  ignoreLeftUp_ = (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0;
  ignoreRightUp_ = (GetAsyncKeyState(VK_RBUTTON) & 0x8000) != 0;
  SetWindowPos(window_->handle(), HWND_TOPMOST, x, y, size.width, size.height, SWP_SHOWWINDOW);
  // Keys come to the focused window: the popup takes the foreground as menus do.
  SetForegroundWindow(window_->handle());
  SetFocus(window_->handle());
  SetCapture(window_->handle());
  open_ = true;
}

void DrawnMenuWindow::paint() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(window_->handle(), &paint);
  RECT client{};
  GetClientRect(window_->handle(), &client);
  drawBitmap(dc, client, tracker_.paint());
  EndPaint(window_->handle(), &paint);
}

void DrawnMenuWindow::highlightChanged() {
  InvalidateRect(window_->handle(), nullptr, FALSE);
}

void DrawnMenuWindow::dismiss() {
  if (!open_ || closing_) return;
  closing_ = true;
  open_ = false;
  if (GetCapture() == window_->handle()) ReleaseCapture();
  ShowWindow(window_->handle(), SW_HIDE);
  closing_ = false;
  if (onClosed_) onClosed_();
}

void DrawnMenuWindow::choose(int index) {
  // The choice runs after the popup is gone, as a menu's command does. The owner may destroy this
  // window when told it closed: keep what the choice needs.
  Choice onChoice = onChoice_;
  dismiss();
  onChoice(index);
}

std::optional<LRESULT> DrawnMenuWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  // Messages of the window's creation come before the window is ours.
  if (!window_) return std::nullopt;
  const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  const ScreenDensity screen = density();
  const toolkit::Point point{screen.toLogical(at.x), screen.toLogical(at.y)};
  switch (message) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
      toolkit::react(*this, tracker_.mouseMoved(point));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      // With the capture, a press anywhere else on the screen comes here too.
      RECT client{};
      GetClientRect(window_->handle(), &client);
      if (!PtInRect(&client, at)) dismiss();
      return 0;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
      bool& ignore = message == WM_LBUTTONUP ? ignoreLeftUp_ : ignoreRightUp_;
      if (std::exchange(ignore, false)) return 0;
      toolkit::react(*this, tracker_.mouseReleased(point));
      return 0;
    }
    case WM_KEYDOWN:
      if (const auto key = menuKeyOf(wParam)) {
        toolkit::react(*this, tracker_.key(*key));
        return 0;
      }
      return std::nullopt;
    case WM_CHAR:
      toolkit::react(*this, tracker_.typed(static_cast<char32_t>(wParam)));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) dismiss();
      return std::nullopt;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != window_->handle()) dismiss();
      return 0;
    default:
      return std::nullopt;
  }
}

}  // namespace lumaro::platform::win32
