#include "backends/win32/desktop/restore_channel.h"

#include <stdexcept>

#include "backends/win32/desktop/main_window.h"
#include "backends/win32/system/unicode.h"

namespace lumaro::platform::win32 {

bool WindowRestoreChannel::listen(const std::string& name, std::function<void()> onRequest) {
  onRequest_ = std::move(onRequest);
  const std::wstring className = widen(name);
  try {
    window_ = std::make_unique<OwnWindow>(
        OwnWindow::Shape{.className = className.c_str(), .parent = nullptr, .style = WS_POPUP},
        [this](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
          if (message != kRestoreMessage) return std::nullopt;
          if (onRequest_) onRequest_();
          return 0;
        });
  } catch (const std::runtime_error&) {
    return false;
  }
  acceptFromOrdinaryPrograms(window_->handle(), kRestoreMessage);
  return true;
}

bool WindowRestoreChannel::send(const std::string& name) {
  const HWND listener = FindWindowW(widen(name).c_str(), nullptr);
  return listener != nullptr && PostMessageW(listener, kRestoreMessage, 0, 0) != FALSE;
}

}  // namespace lumaro::platform::win32
