#pragma once
#include <memory>

#include "platform/global_hotkeys.h"
#include "platform/linux/qt/portal_global_shortcuts.h"
#include "platform/linux/qt/xcb_global_hotkeys.h"

namespace lumaro::platform::qt {

// The desktop's global shortcuts: on a Wayland session with a portal that offers GlobalShortcuts,
// through that portal; otherwise, and for a combination the portal refuses, the X key grab.
class DesktopGlobalHotkeys : public GlobalHotkeys {
 public:
  DesktopGlobalHotkeys();

  bool registerHotkey(HotkeyId id, std::uint32_t modifiers, std::uint32_t virtualKey,
                      std::function<void()> onPressed) override;
  void unregisterHotkey(HotkeyId id) override;
  std::string keyName(std::uint32_t virtualKey) override { return grab_.keyName(virtualKey); }

 private:
  XcbGlobalHotkeys grab_;
  std::unique_ptr<PortalGlobalShortcuts> portal_;
};

}  // namespace lumaro::platform::qt
