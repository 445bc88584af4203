#include "backends/win32/views/control_view.h"

#include <commctrl.h>
#include <windowsx.h>

#include "backends/shared/readable_text.h"
#include "backends/win32/system/unicode.h"
#include "backends/win32/views/view_window.h"
#include "toolkit/core/form.h"
#include "toolkit/drawing/system_colors.h"

namespace lumaro::platform::win32 {

namespace {

std::optional<toolkit::MouseButton> pressedButton(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return toolkit::MouseButton::Left;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      return toolkit::MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      return toolkit::MouseButton::Middle;
    default:
      return std::nullopt;
  }
}

toolkit::Form* formOf(toolkit::Control& control) {
  for (toolkit::Control* up = &control; up != nullptr; up = up->parent()) {
    if (auto* form = dynamic_cast<toolkit::Form*>(up)) return form;
  }
  return nullptr;
}

}  // namespace

ControlView::ControlView(toolkit::Control& control, HWND window, ControlView* parent,
                         toolkit::Application& app)
    : control_(control), window_(window), parent_(parent), app_(app) {
  tie(window_, *this);
  control_.setChangeListener([this] { refresh(); });
}

ControlView::~ControlView() {
  control_.setChangeListener(nullptr);
  if (tooltip_ != nullptr) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = GetParent(window_);
    tool.uId = reinterpret_cast<UINT_PTR>(window_);
    SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  for (HWND part : parts_) untie(part);
  untie(window_);
}

void ControlView::refresh() {
  ++refreshing_;
  const ScreenDensity screen = density();
  if (font_.get() == nullptr || fontShown_ != control_.font() || fontDpi_ != screen.dpi) {
    fontShown_ = control_.font();
    fontDpi_ = screen.dpi;
    GdiObject<HFONT> previous = std::move(font_);
    font_ = createFont(fontShown_, screen);
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    for (HWND part : parts_) SendMessageW(part, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  }
  apply();
  applyPlacement();
  InvalidateRect(window_, nullptr, TRUE);
  --refreshing_;
}

void ControlView::applyPlacement() {
  EnableWindow(window_, control_.enabled() ? TRUE : FALSE);
  const RECT placed = placedRect();
  SetWindowPos(window_, nullptr, placed.left, placed.top, placed.right - placed.left,
               placed.bottom - placed.top, SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(window_, control_.visible() ? SW_SHOWNA : SW_HIDE);
}

RECT ControlView::placedRect() const {
  if (control_.align() == toolkit::Align::Client && parent_ != nullptr) return parent_->contentRect();
  return toDevice(control_.bounds());
}

RECT ControlView::toDevice(const toolkit::Bounds& bounds) const {
  const ScreenDensity screen = density();
  return {screen.toDevice(bounds.left), screen.toDevice(bounds.top),
          screen.toDevice(bounds.left + bounds.width), screen.toDevice(bounds.top + bounds.height)};
}

ScreenDensity ControlView::density() const {
  // 0 for a window that is gone; a window of an unaware thread answers 96.
  const UINT dpi = GetDpiForWindow(window_);
  return ScreenDensity{dpi == 0 ? ScreenDensity::kLogicalDpi : static_cast<int>(dpi)};
}

POINT ControlView::toLogical(POINT device) const {
  const ScreenDensity screen = density();
  return {screen.toLogical(device.x), screen.toLogical(device.y)};
}

RECT ControlView::contentRect() const {
  RECT client{};
  GetClientRect(window_, &client);
  return client;
}

void ControlView::placeClientAlignedChildren() {
  for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    ControlView* view = viewOf(child);
    if (view == nullptr || view->parent_ != this || view->control_.align() != toolkit::Align::Client)
      continue;
    const RECT placed = contentRect();
    const ScreenDensity screen = density();
    const int left = screen.toLogical(placed.left);
    const int top = screen.toLogical(placed.top);
    const toolkit::Bounds bounds{left, top, screen.toLogical(placed.right) - left,
                                 screen.toLogical(placed.bottom) - top};
    // The model learns its size, so that a painted control paints all of it; that places the window.
    if (bounds != view->control_.bounds()) {
      app_.guarded([&] { view->control_.setBounds(bounds); });
    } else {
      view->applyPlacement();
    }
  }
}

bool ControlView::ownBackground() const {
  // A system colour is what the parent shows already.
  return control_.color() <= 0xFFFFFF || parent_ == nullptr;
}

COLORREF ControlView::backgroundColor() const {
  return ownBackground() ? toColorRef(control_.color()) : parent_->backgroundColor();
}

COLORREF ControlView::textColor() const {
  constexpr std::size_t kButtonFace = 15;
  return readableText(toColorRef(control_.font().color), backgroundColor(),
                      toolkit::classicScheme()[kButtonFace], GetSysColor(COLOR_BTNTEXT));
}

HBRUSH ControlView::backgroundBrush() {
  const COLORREF color = backgroundColor();
  if (brush_.get() == nullptr || brushColor_ != color) {
    brush_.reset(CreateSolidBrush(color));
    brushColor_ = color;
  }
  return brush_.get();
}

void ControlView::paintBackground(HDC dc, const RECT& area) {
  fillBackground(dc, area);
}

void ControlView::fillBackground(HDC dc, const RECT& area) {
  if (ownBackground()) {
    FillRect(dc, &area, backgroundBrush());
    return;
  }
  // See-through: the parent's picture, shifted to where this window lies on it.
  POINT at{0, 0};
  MapWindowPoints(window_, parent_->window_, &at, 1);
  POINT origin{};
  OffsetViewportOrgEx(dc, -at.x, -at.y, &origin);
  RECT inParent = area;
  OffsetRect(&inParent, at.x, at.y);
  parent_->paintBackground(dc, inParent);
  SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
  paintSiblingsBeneath(dc);
}

void ControlView::paintSiblingsBeneath(HDC dc) {
  const auto* container = dynamic_cast<const toolkit::WinControl*>(&parent_->control_);
  if (container == nullptr) return;
  RECT mine{};
  GetWindowRect(window_, &mine);
  // The model's order is the painting order: the controls before this one lie beneath it.
  for (const toolkit::Control* sibling : container->children()) {
    if (sibling == &control_) break;
    for (HWND child = GetWindow(parent_->window_, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
      ControlView* view = viewOf(child);
      if (view == nullptr || &view->control_ != sibling || view->window_ != child) continue;
      RECT theirs{};
      RECT common{};
      GetWindowRect(child, &theirs);
      if (!IsWindowVisible(child) || !IntersectRect(&common, &mine, &theirs)) break;
      POINT at{0, 0};
      MapWindowPoints(child, window_, &at, 1);
      POINT origin{};
      OffsetViewportOrgEx(dc, at.x, at.y, &origin);
      view->paintSeenThrough(dc);
      SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
      break;
    }
  }
}

void ControlView::setTooltip(HWND tooltip) {
  tooltip_ = tooltip;
  addTool();
}

void ControlView::addTool() {
  if (tooltip_ == nullptr) return;
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(window_);
  tool.uId = reinterpret_cast<UINT_PTR>(window_);
  tool.lpszText = LPSTR_TEXTCALLBACKW;
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void ControlView::updateHint() {
  if (tooltip_ != nullptr) SendMessageW(tooltip_, TTM_UPDATE, 0, 0);
}

std::string ControlView::hintAt(POINT) const {
  return control_.hint();
}

std::optional<LRESULT> ControlView::message(HWND window, UINT message, WPARAM, LPARAM lParam) {
  switch (message) {
    case WM_SETFOCUS:
      reportFocus();
      return std::nullopt;
    case WM_SETCURSOR:
      if (control_.cursor() != toolkit::Cursor::HandPoint || LOWORD(lParam) != HTCLIENT) return std::nullopt;
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      return TRUE;
    case WM_SIZE:
      if (window == window_) placeClientAlignedChildren();
      return std::nullopt;
    default:
      if (forwardsMouse_ && mouseEvent(window, message, lParam)) return 0;
      return std::nullopt;
  }
}

std::optional<LRESULT> ControlView::notification(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      auto dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, backgroundColor());
      SetTextColor(dc, textColor());
      return reinterpret_cast<LRESULT>(backgroundBrush());
    }
    case WM_NOTIFY: {
      auto& request = *reinterpret_cast<NMTTDISPINFOW*>(lParam);
      if (request.hdr.code != TTN_GETDISPINFOW) return std::nullopt;
      POINT at{};
      GetCursorPos(&at);
      ScreenToClient(window_, &at);
      const std::string text = hintAt(toLogical(at));
      const auto hint = text.empty() ? std::nullopt : app_.hintToShow(text);
      hintShown_ = hint ? widen(hint->text) : std::wstring();
      request.lpszText = hintShown_.data();
      return 0;
    }
    default:
      return std::nullopt;
  }
}

bool ControlView::mouseEvent(HWND window, UINT message, LPARAM lParam) {
  const auto button = pressedButton(message);
  if (!control_.enabled() || (!button && message != WM_LBUTTONUP)) return false;
  POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  MapWindowPoints(window, window_, &at, 1);
  RECT client{};
  GetClientRect(window_, &client);
  const bool inside = PtInRect(&client, at) != FALSE;
  at = toLogical(at);
  if (button) {
    userAction([&] { control_.mouseDown(*button, at.x, at.y); });
    // The release goes where the press was, as long as the button stays down (a drag of the window
    // has already ended by now).
    if (*button == toolkit::MouseButton::Left && (GetKeyState(VK_LBUTTON) & 0x8000) != 0) SetCapture(window);
    return true;
  }
  if (GetCapture() == window) ReleaseCapture();
  if (inside) userAction([this] { control_.click(); });
  return true;
}

void ControlView::reportFocus() {
  toolkit::Form* form = formOf(control_);
  if (form != nullptr && form != &control_) form->userFocus(control_);
}

void ControlView::userAction(const std::function<void()>& action) {
  app_.guarded(action);
  refresh();
}

void ControlView::adopt(HWND part) {
  parts_.push_back(part);
  tie(part, *this);
}

void ControlView::replaceWindow(HWND window) {
  // The parts go with the old window.
  for (HWND part : parts_) untie(part);
  parts_.clear();
  untie(window_);
  DestroyWindow(window_);
  window_ = window;
  tie(window_, *this);
  addTool();
}

}  // namespace lumaro::platform::win32
