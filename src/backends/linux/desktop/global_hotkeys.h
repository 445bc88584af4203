#pragma once
#include <memory>

#include "backends/linux/desktop/key_grab_hotkeys.h"
#include "backends/linux/desktop/portal_global_shortcuts.h"
#include "platform/global_hotkeys.h"

namespace lumaro::platform::linuxos {

// The desktop's global shortcuts: on a Wayland session with a portal that offers GlobalShortcuts,
// through that portal; otherwise, and for a combination the portal refuses, the X key grab.
class DesktopGlobalHotkeys : public GlobalHotkeys {
 public:
  DesktopGlobalHotkeys();

  bool registerHotkey(HotkeyId id, std::uint32_t modifiers, std::uint32_t virtualKey,
                      std::function<void()> onPressed) override;
  void unregisterHotkey(HotkeyId id) override;
  std::vector<std::string> keyNames(std::uint32_t virtualKey) override { return grab_.keyNames(virtualKey); }

 private:
  XcbGlobalHotkeys grab_;
  std::unique_ptr<PortalGlobalShortcuts> portal_;
};

}  // namespace lumaro::platform::linuxos
