#pragma once
#include <cstdint>

#include "platform/key_events.h"
#include "platform/session_control.h"

namespace lumaro::platform::win32 {

// ExitWindowsEx, after AdjustTokenPrivileges has enabled SE_SHUTDOWN_NAME. The flags are the call's
// own (EWX_SHUTDOWN 1, EWX_REBOOT 2, EWX_FORCE 4, EWX_POWEROFF 8).
class Win32SessionControl : public SessionControl {
 public:
  // False also when the token lacks the privilege (ERROR_NOT_ALL_ASSIGNED).
  bool enableShutdownPrivilege() override;
  bool exitSession(std::uint32_t flags) override;
};

// SendInput: the key down, then up.
class Win32KeyEvents : public KeyEvents {
 public:
  void pressKey(std::uint8_t virtualKey) override;
};

}  // namespace lumaro::platform::win32
