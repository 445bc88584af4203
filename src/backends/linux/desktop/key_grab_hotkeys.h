#pragma once
#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <map>
#include <vector>

#include "backends/linux/desktop/keyboard_layout.h"
#include "platform/global_hotkeys.h"

struct xcb_connection_t;

namespace lumaro::platform::linuxos {

// System-wide combinations as key grabs on the X root window, also with the NumLock and CapsLock
// variants so that the lock keys do not disturb them. A grab another client holds (BadAccess) fails
// the registration. Without an X connection (Wayland, offscreen) every registration fails.
class XcbGlobalHotkeys : public GlobalHotkeys, public QAbstractNativeEventFilter {
 public:
  XcbGlobalHotkeys();
  ~XcbGlobalHotkeys() override;

  bool registerHotkey(HotkeyId id, std::uint32_t modifiers, std::uint32_t virtualKey,
                      std::function<void()> onPressed) override;
  void unregisterHotkey(HotkeyId id) override;
  // The X name of the key's symbol in the active layout: a text such as "Ctrl+Alt+semicolon" names
  // the key back.
  std::string keyName(std::uint32_t virtualKey) override;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  struct Grab {
    std::vector<std::uint8_t> keycodes;
    std::uint16_t modifiers;
    std::function<void()> onPressed;
  };

  void ungrab(const std::vector<std::uint8_t>& keycodes, std::uint16_t modifiers, std::size_t variants);

  xcb_connection_t* connection_ = nullptr;
  std::uint32_t root_ = 0;
  XkbKeyboardLayout layout_;
  std::map<HotkeyId, Grab> grabs_;
};

}  // namespace lumaro::platform::linuxos
