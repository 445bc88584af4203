#include "backends/win32/desktop/session_end.h"

namespace lumaro::platform::win32 {

SessionEndWindow::SessionEndWindow(std::function<void()> onRequest)
    : onRequest_(std::move(onRequest)),
      window_({.className = L"LumaroSessionEnd", .parent = nullptr, .style = WS_POPUP},
              [this](UINT message, WPARAM wParam, LPARAM) { return handle(message, wParam); }) {}

std::optional<LRESULT> SessionEndWindow::handle(UINT message, WPARAM wParam) {
  if (message == WM_QUERYENDSESSION) return TRUE;
  if (message != WM_ENDSESSION) return std::nullopt;
  // FALSE: the end was called off by someone else; nothing to do.
  if (wParam != FALSE && !requested_) {
    requested_ = true;
    if (onRequest_) onRequest_();
  }
  return 0;
}

}  // namespace lumaro::platform::win32
