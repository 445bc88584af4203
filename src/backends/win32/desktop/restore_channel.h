#pragma once
#include <memory>

#include "backends/win32/desktop/own_window.h"
#include "platform/instance_guard.h"

namespace lumaro::platform::win32 {

// The restore request as the classic message: the running copy keeps a hidden top-level window whose
// class is the name; another process finds it (FindWindowW) and posts it message 0x0400 (WM_USER).
class WindowRestoreChannel : public RestoreChannel {
 public:
  static constexpr UINT kRestoreMessage = WM_USER;

  bool listen(const std::string& name, std::function<void()> onRequest) override;
  // Posts rather than sends, so that a hung listener cannot hang the caller.
  bool send(const std::string& name) override;

 private:
  std::unique_ptr<OwnWindow> window_;
  std::function<void()> onRequest_;
};

}  // namespace lumaro::platform::win32
