#include "backends/linux/desktop/global_hotkeys.h"

#include <cstdlib>

namespace lumaro::platform::linuxos {

DesktopGlobalHotkeys::DesktopGlobalHotkeys() {
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if (wayland != nullptr && *wayland != '\0' && PortalGlobalShortcuts::available()) {
    portal_ = std::make_unique<PortalGlobalShortcuts>();
  }
}

bool DesktopGlobalHotkeys::registerHotkey(HotkeyId id, std::uint32_t modifiers, std::uint32_t virtualKey,
                                          std::function<void()> onPressed) {
  if (portal_ && portal_->registerHotkey(id, modifiers, virtualKey, onPressed)) return true;
  return grab_.registerHotkey(id, modifiers, virtualKey, std::move(onPressed));
}

void DesktopGlobalHotkeys::unregisterHotkey(HotkeyId id) {
  if (portal_) portal_->unregisterHotkey(id);
  grab_.unregisterHotkey(id);
}

}  // namespace lumaro::platform::linuxos
