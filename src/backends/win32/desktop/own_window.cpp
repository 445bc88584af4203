#include "backends/win32/desktop/own_window.h"

#include <stdexcept>

namespace lumaro::platform::win32 {

OwnWindow::OwnWindow(const Shape& shape, Handler handler) : handler_(std::move(handler)) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW known{};
  known.cbSize = sizeof known;
  if (!GetClassInfoExW(instance, shape.className, &known)) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &OwnWindow::procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = shape.className;
    if (RegisterClassExW(&windowClass) == 0) throw std::runtime_error("RegisterClassExW failed");
  }
  handle_ = CreateWindowExW(shape.exStyle, shape.className, L"", shape.style, 0, 0, 0, 0, shape.parent,
                            nullptr, instance, this);
  if (handle_ == nullptr) throw std::runtime_error("CreateWindowExW failed");
}

OwnWindow::~OwnWindow() {
  // Messages the destruction sends must not reach a half-destroyed owner.
  SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
  DestroyWindow(handle_);
}

LRESULT CALLBACK OwnWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* self = reinterpret_cast<OwnWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr && self->handler_) {
    if (const std::optional<LRESULT> answer = self->handler_(message, wParam, lParam)) return *answer;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace lumaro::platform::win32
