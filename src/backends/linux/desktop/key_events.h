#pragma once
#include "platform/key_events.h"

struct xcb_connection_t;

namespace lumaro::platform::linuxos {

// Synthetic key presses through the XTest extension on Qt's X connection. Without an X connection
// (Wayland, offscreen) or without XTest, presses are skipped.
class XcbKeyEvents : public KeyEvents {
 public:
  XcbKeyEvents();

  // Sends the key down and at once up again: the X server repeats a key that stays down, and a
  // Backspace left down would go on deleting in the focused window.
  void pressKey(std::uint8_t virtualKey) override;

 private:
  xcb_connection_t* connection_ = nullptr;
};

}  // namespace lumaro::platform::linuxos
