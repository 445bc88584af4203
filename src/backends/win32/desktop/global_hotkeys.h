#pragma once
#include <map>

#include "backends/win32/desktop/own_window.h"
#include "platform/global_hotkeys.h"

namespace lumaro::platform::win32 {

// RegisterHotKey on a message-only window of our own, each combination under the lowest identifier
// free; WM_HOTKEY runs the combination's handler. The
// modifier flags are the system's own (MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4).
class Win32GlobalHotkeys : public GlobalHotkeys {
 public:
  Win32GlobalHotkeys();
  ~Win32GlobalHotkeys() override;

  bool registerHotkey(HotkeyId id, std::uint32_t modifiers, std::uint32_t virtualKey,
                      std::function<void()> onPressed) override;
  void unregisterHotkey(HotkeyId id) override;
  // The character the keyboard layout puts on the key ("Ç"), then the key-name function's name of it
  // (GetKeyNameTextW), the only one for keys without a character ("Num +").
  std::vector<std::string> keyNames(std::uint32_t virtualKey) override;

  HWND window() const { return window_.handle(); }

 private:
  struct Held {
    int systemId;
    std::function<void()> onPressed;
  };

  std::optional<LRESULT> handle(UINT message, WPARAM wParam);
  int freeSystemId() const;

  OwnWindow window_;
  std::map<HotkeyId, Held> held_;
};

}  // namespace lumaro::platform::win32
