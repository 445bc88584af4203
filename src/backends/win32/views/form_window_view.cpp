#include "backends/win32/views/form_window_view.h"

#include "backends/win32/system/unicode.h"
#include "backends/win32/views/view_window.h"
#include "toolkit/controls/painted_control.h"

namespace lumaro::platform::win32 {

namespace {

constexpr DWORD kFrameStyles =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

DWORD frameStyleOf(toolkit::BorderStyle border) {
  switch (border) {
    case toolkit::BorderStyle::None:
      return WS_POPUP;
    case toolkit::BorderStyle::Dialog:
      return WS_POPUP | WS_CAPTION | WS_SYSMENU;
    case toolkit::BorderStyle::Sizeable:
      break;
  }
  return WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
}

}  // namespace

FormWindowView::FormWindowView(toolkit::Form& form, toolkit::Application& app)
    : OwnWindowView(form,
                    createTopLevelWindow(form.className(), frameStyleOf(form.borderStyle()),
                                         form.stayOnTop() ? WS_EX_TOPMOST : 0),
                    nullptr, app),
      form_(form) {
  form_.setFrontListener([this] {
    SetForegroundWindow(window());
    BringWindowToTop(window());
  });
  form_.setMoveListener([this] {
    // The system moves the window while the button stays down, as if its title bar were dragged.
    ReleaseCapture();
    SendMessageW(window(), WM_NCLBUTTONDOWN, HTCAPTION, static_cast<LPARAM>(GetMessagePos()));
  });
}

FormWindowView::~FormWindowView() {
  form_.setFrontListener(nullptr);
  form_.setMoveListener(nullptr);
}

void FormWindowView::apply() {
  SetWindowTextW(window(), widen(form_.caption()).c_str());
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window(), GWL_STYLE));
  const DWORD wanted = (style & ~kFrameStyles) | frameStyleOf(form_.borderStyle());
  if (style != wanted) {
    SetWindowLongPtrW(window(), GWL_STYLE, static_cast<LONG_PTR>(wanted));
    SetWindowPos(window(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const bool onTop = (GetWindowLongPtrW(window(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  if (onTop != form_.stayOnTop()) {
    SetWindowPos(window(), form_.stayOnTop() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void FormWindowView::applyPlacement() {
  EnableWindow(window(), form_.enabled() ? TRUE : FALSE);
  if (!IsIconic(window())) {
    RECT outer = placedRect();
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(window(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(window(), GWL_EXSTYLE)));
    SetWindowPos(window(), nullptr, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const bool minimized = form_.windowState() == toolkit::WindowState::Minimized;
  if (!form_.visible()) {
    ShowWindow(window(), SW_HIDE);
  } else if (minimized) {
    // Never flashes up at full size first.
    if (!IsIconic(window()) || !IsWindowVisible(window())) ShowWindow(window(), SW_SHOWMINNOACTIVE);
  } else if (IsIconic(window())) {
    ShowWindow(window(), SW_RESTORE);
  } else if (!IsWindowVisible(window())) {
    ShowWindow(window(), SW_SHOW);
  }
  applyShape();
}

void FormWindowView::applyShape() {
  if (!form_.clearBackground()) {
    SetWindowRgn(window(), nullptr, TRUE);
    return;
  }
  // Without a background of its own the window keeps only what its controls draw; the region is in
  // the coordinates of the whole window, frame included.
  RECT frame{};
  GetWindowRect(window(), &frame);
  POINT inside{0, 0};
  ClientToScreen(window(), &inside);
  const int dx = inside.x - frame.left;
  const int dy = inside.y - frame.top;
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  for (const toolkit::Control* child : form_.children()) {
    if (!child->visible()) continue;
    const toolkit::Bounds& at = child->bounds();
    RECT part{at.left, at.top, at.left + at.width, at.top + at.height};
    if (const auto* painted = dynamic_cast<const toolkit::PaintedControl*>(child)) {
      const toolkit::Rect covered = painted->coveredArea();
      part = {at.left + covered.left, at.top + covered.top, at.left + covered.right, at.top + covered.bottom};
    }
    HRGN piece = CreateRectRgn(part.left + dx, part.top + dy, part.right + dx, part.bottom + dy);
    CombineRgn(shape, shape, piece, RGN_OR);
    DeleteObject(piece);
  }
  // The window owns the region from here on.
  SetWindowRgn(window(), shape, TRUE);
}

std::optional<LRESULT> FormWindowView::message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      userAction([this] { form_.close(); });
      return 0;
    case WM_SIZE:
      if (!refreshing()) reportPlacement(wParam);
      break;
    case WM_MOVE:
      if (!refreshing()) reportPlacement(SIZE_RESTORED);
      break;
    default:
      break;
  }
  return OwnWindowView::message(window, message, wParam, lParam);
}

void FormWindowView::reportPlacement(WPARAM sizeKind) {
  if (sizeKind == SIZE_MINIMIZED || IsIconic(window())) {
    if (form_.windowState() != toolkit::WindowState::Minimized)
      userAction([this] { form_.setWindowState(toolkit::WindowState::Minimized); });
    return;
  }
  if (form_.windowState() != toolkit::WindowState::Normal)
    userAction([this] { form_.setWindowState(toolkit::WindowState::Normal); });
  RECT inside{};
  GetClientRect(window(), &inside);
  MapWindowPoints(window(), nullptr, reinterpret_cast<POINT*>(&inside), 2);
  const toolkit::Bounds bounds{inside.left, inside.top, inside.right - inside.left,
                               inside.bottom - inside.top};
  if (bounds != form_.bounds()) userAction([&] { form_.setBounds(bounds); });
}

}  // namespace lumaro::platform::win32
