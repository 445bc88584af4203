#pragma once
#include <cstdint>

namespace lumaro::platform {

// Ending the desktop session, with the flags of the classic exit call: 1 shut down, 2 reboot,
// 4 force (other programs are not asked), 8 power off.
class SessionControl {
 public:
  virtual ~SessionControl() = default;

  // Grants this process the right to end the session (the NT family's privilege step). False when
  // not granted.
  virtual bool enableShutdownPrivilege() = 0;

  // Ends the session as the flags say, without asking the user, and returns at once. False when the
  // request cannot even be made; an answer that comes later is not waited for, and a refusal then
  // is silent, like every failure of these commands.
  virtual bool exitSession(std::uint32_t flags) = 0;
};

}  // namespace lumaro::platform
