#include "backends/win32/desktop/global_hotkeys.h"

#include <algorithm>

#include "backends/win32/system/unicode.h"

namespace lumaro::platform::win32 {

namespace {
// Applications may use the identifiers below this.
constexpr int kLastSystemId = 0xBFFF;
}  // namespace

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
  const int systemId = nextSystemId_;
  nextSystemId_ = nextSystemId_ == kLastSystemId ? 1 : nextSystemId_ + 1;
  if (!RegisterHotKey(window_.handle(), systemId, modifiers & (MOD_ALT | MOD_CONTROL | MOD_SHIFT),
                      virtualKey))
    return false;
  held_[id] = Held{systemId, std::move(onPressed)};
  return true;
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
