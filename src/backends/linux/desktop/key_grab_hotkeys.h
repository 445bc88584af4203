#pragma once
#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "backends/linux/desktop/keyboard_layout.h"
#include "platform/global_hotkeys.h"

struct xcb_connection_t;

namespace lumaro::platform::linuxos {

// System-wide combinations as key grabs on the X root window, also with the NumLock and CapsLock
// variants so that the lock keys do not disturb them. A grab holds the key symbol the combination
// names and follows it to the keys that carry it when the keyboard's mapping changes. A grab another
// client holds (BadAccess) fails the registration. Without an X connection (Wayland, offscreen) every
// registration fails.
class XcbGlobalHotkeys : public GlobalHotkeys, public QAbstractNativeEventFilter {
 public:
  XcbGlobalHotkeys();
  ~XcbGlobalHotkeys() override;

  bool registerHotkey(HotkeyId id, std::uint32_t modifiers, std::uint32_t virtualKey,
                      std::function<void()> onPressed) override;
  void unregisterHotkey(HotkeyId id) override;
  // The character the key shows in the active layout ("Ç"), or the X name of a key without one
  // ("KP_Add"); then its X name, as older texts ("Ctrl+Alt+ccedilla") name the key.
  std::vector<std::string> keyNames(std::uint32_t virtualKey) override;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  struct Grab {
    std::uint32_t keysym;
    std::vector<std::uint8_t> keycodes;  // those that carry the symbol now, all grabbed
    std::uint16_t modifiers;
    std::function<void()> onPressed;
  };

  // Grabs the keys that carry the symbol now; false, holding nothing, when none does or another
  // client holds the combination.
  bool grab(Grab& held);
  void ungrab(const Grab& held);
  void regrab();

  xcb_connection_t* connection_ = nullptr;
  std::uint32_t root_ = 0;
  XkbKeyboardLayout layout_;
  std::map<HotkeyId, Grab> grabs_;
};

}  // namespace lumaro::platform::linuxos
