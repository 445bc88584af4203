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

std::vector<std::string> Win32GlobalHotkeys::keyNames(std::uint32_t virtualKey) {
  std::vector<std::string> names;
  // The character the layout puts on the key unshifted, in capitals as keys are labelled (the top bit
  // only marks a dead key). The keypad's signs keep the key-name function's names ("Num +").
  const bool keypad = virtualKey >= VK_NUMPAD0 && virtualKey <= VK_DIVIDE;
  wchar_t shown = keypad ? 0 : static_cast<wchar_t>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_CHAR) & 0xFFFF);
  if (shown > L' ' && shown != 0x7F && (shown < 0xD800 || shown > 0xDFFF)) {
    CharUpperBuffW(&shown, 1);
    names.push_back(narrow({&shown, 1}));
  }
  // The key-name function's name, as classic shortcut texts name the key.
  const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  wchar_t name[64] = {};
  const int length = scanCode == 0 ? 0 : GetKeyNameTextW(static_cast<LONG>(scanCode << 16), name, 64);
  if (length > 0) {
    std::string text = narrow({name, static_cast<std::size_t>(length)});
    if (names.empty() || names.front() != text) names.push_back(std::move(text));
  }
  return names;
}

}  // namespace lumaro::platform::win32
