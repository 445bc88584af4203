#pragma once
#include <cstdint>

namespace lumaro::platform {

// Synthetic keyboard input, as if the user pressed the key.
class KeyEvents {
 public:
  virtual ~KeyEvents() = default;

  // One press of the key with this virtual-key code (8 Backspace, 0x5F Sleep). Keys the platform
  // cannot produce are skipped, silently.
  virtual void pressKey(std::uint8_t virtualKey) = 0;
};

}  // namespace lumaro::platform
