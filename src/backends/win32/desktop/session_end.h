#pragma once
#include <functional>

#include "backends/win32/desktop/own_window.h"

namespace lumaro::platform::win32 {

// The end of the Windows session as a close request: a hidden top-level window (the session's
// broadcasts reach no message-only window) agrees to WM_QUERYENDSESSION and, at WM_ENDSESSION for an
// ending session, runs `onRequest` before it answers, because the system may end the process as soon
// as the answer is in. Both messages are sent, so they also arrive while a message box, a menu or a
// pause holds the thread. One request at most.
class SessionEndWindow {
 public:
  explicit SessionEndWindow(std::function<void()> onRequest);

  // True once the session end has been taken: a pause ends on it.
  bool requested() const { return requested_; }
  HWND window() const { return window_.handle(); }

 private:
  std::optional<LRESULT> handle(UINT message, WPARAM wParam);

  std::function<void()> onRequest_;
  bool requested_ = false;
  OwnWindow window_;
};

}  // namespace lumaro::platform::win32
