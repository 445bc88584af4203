#include "backends/win32/desktop/global_hotkeys.h"

#include <algorithm>

#include "backends/win32/system/unicode.h"

namespace lumaro::platform::win32 {

Win32GlobalHotkeys::Win32GlobalHotkeys()
    : window_({.className = L"LumaroHotkeys"},
              [this](UINT message, WPARAM wParam, LPARAM) { return handle(message, wParam); }) {}

Win32GlobalHotkeys::~Win32GlobalHotkeys() {
  for (const auto& [id, held] : held_) UnregisterHotKey(window_.handle(), held.systemId);
}

std::optional<LRESULT> Win32GlobalHotkeys::handle(UINT message, WPARAM wParam) {
  if (message != WM_HOTKEY) return std::nullopt;
  const auto found = std::find_if(held_.begin(), held_.end(), [wParam](const auto& held) {
    return held.second.systemId == static_cast<int>(wParam);
  });
  if (found != held_.end()) {
    // The handler may unregister its own combination.
    const std::function<void()> onPressed = found->second.onPressed;
    onPressed();
  }
  return 0;
}

bool Win32GlobalHotkeys::registerHotkey(HotkeyId id, std::uint32_t modifiers, std::uint32_t virtualKey,
                                        std::function<void()> onPressed) {
  unregisterHotkey(id);
  const int systemId = freeSystemId();
  if (!RegisterHotKey(window_.handle(), systemId, modifiers & (MOD_ALT | MOD_CONTROL | MOD_SHIFT),
                      virtualKey))
    return false;
  held_[id] = Held{systemId, std::move(onPressed)};
  return true;
}

int Win32GlobalHotkeys::freeSystemId() const {
  // The lowest one free, so the program's single combination is always identifier 0, also after it
  // changed. Applications may use 0 to 0xBFFF.
  for (int systemId = 0;; ++systemId) {
    if (std::none_of(held_.begin(), held_.end(),
                     [systemId](const auto& held) { return held.second.systemId == systemId; }))
      return systemId;
  }
}

void Win32GlobalHotkeys::unregisterHotkey(HotkeyId id) {
  const auto found = held_.find(id);
  if (found == held_.end()) return;
  UnregisterHotKey(window_.handle(), found->second.systemId);
  held_.erase(found);
}

std::string Win32GlobalHotkeys::keyName(std::uint32_t virtualKey) {
  const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  if (scanCode == 0) return {};
  wchar_t name[64] = {};
  const int length = GetKeyNameTextW(static_cast<LONG>(scanCode << 16), name, 64);
  return narrow({name, static_cast<std::size_t>(std::max(length, 0))});
}

}  // namespace lumaro::platform::win32
