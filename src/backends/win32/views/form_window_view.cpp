#include "backends/win32/views/form_window_view.h"

#include <algorithm>
#include <vector>

#include "backends/win32/desktop/user_colors.h"
#include "backends/win32/system/unicode.h"
#include "backends/win32/views/view_window.h"
#include "toolkit/controls/painted_control.h"

namespace lumaro::platform::win32 {

namespace {

// No control of the program draws this colour: where it is left, the window is see-through.
constexpr COLORREF kSeeThroughKey = RGB(255, 0, 255);

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
    AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongPtrW(window(), GWL_STYLE)), FALSE,
                             static_cast<DWORD>(GetWindowLongPtrW(window(), GWL_EXSTYLE)),
                             static_cast<UINT>(density().dpi));
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

void FormWindowView::paintBackground(HDC dc, const RECT& area) {
  if (!form_.clearBackground()) {
    OwnWindowView::paintBackground(dc, area);
    return;
  }
  GdiObject<HBRUSH> key(CreateSolidBrush(kSeeThroughKey));
  FillRect(dc, &area, key.get());
}

void FormWindowView::applyShape() {
  // The key colour is the clear background: the system shows what lies behind the window wherever it
  // is left, also between the glyphs of a see-through label.
  const auto extended = static_cast<DWORD>(GetWindowLongPtrW(window(), GWL_EXSTYLE));
  const DWORD keyed = form_.clearBackground() ? extended | WS_EX_LAYERED : extended & ~WS_EX_LAYERED;
  if (keyed != extended) SetWindowLongPtrW(window(), GWL_EXSTYLE, static_cast<LONG_PTR>(keyed));
  if (!form_.clearBackground()) {
    SetWindowRgn(window(), nullptr, TRUE);
    return;
  }
  SetLayeredWindowAttributes(window(), kSeeThroughKey, 0, LWA_COLORKEY);
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
    toolkit::Bounds shown = at;
    if (const auto* painted = dynamic_cast<const toolkit::PaintedControl*>(child)) {
      const toolkit::Rect covered = painted->coveredArea();
      shown = {at.left + covered.left, at.top + covered.top, covered.right - covered.left,
               covered.bottom - covered.top};
    }
    const RECT part = toDevice(shown);
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
    case WM_DPICHANGED: {
      // Moved to a screen of another density: the system's rectangle keeps the window where the user
      // put it, and the model learns the logical place; every window below takes its new font and size.
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
      refreshEveryView(false);
      return 0;
    }
    case WM_SYSCOLORCHANGE:
      followUserColors();
      refreshEveryView(true);
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
  const ScreenDensity screen = density();
  const int left = screen.toLogical(inside.left);
  const int top = screen.toLogical(inside.top);
  const toolkit::Bounds bounds{left, top, screen.toLogical(inside.right) - left,
                               screen.toLogical(inside.bottom) - top};
  if (bounds != form_.bounds()) userAction([&] { form_.setBounds(bounds); });
}

void FormWindowView::refreshEveryView(bool coloursChanged) {
  std::vector<ControlView*> views{this};
  EnumChildWindows(
      window(),
      [](HWND child, LPARAM found) {
        ControlView* view = viewOf(child);
        auto& list = *reinterpret_cast<std::vector<ControlView*>*>(found);
        // A control's parts (an editor, arrows) belong to its view.
        if (view != nullptr && std::find(list.begin(), list.end(), view) == list.end()) list.push_back(view);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&views));
  // Parents first: a child aligned to its parent's inside follows the parent's new size.
  for (ControlView* view : views) {
    auto* painted = dynamic_cast<toolkit::PaintedControl*>(&view->control());
    if (coloursChanged && painted != nullptr) {
      // Its picture holds the old colours; painting it again shows it too.
      app().guarded([painted] { painted->invalidate(); });
    } else {
      view->refresh();
    }
  }
  RedrawWindow(window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace lumaro::platform::win32
