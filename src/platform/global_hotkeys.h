#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace lumaro::platform {

// Modifier flags of a system-wide key combination.
inline constexpr std::uint32_t kModAlt = 1;
inline constexpr std::uint32_t kModControl = 2;
inline constexpr std::uint32_t kModShift = 4;

// System-wide key combinations, identified by the caller. Keys are classic virtual-key codes (65..90
// letters, 48..57 digits, 112.. F1..). Without a global-shortcut facility every registration fails.
class GlobalHotkeys {
 public:
  using HotkeyId = std::uint64_t;

  virtual ~GlobalHotkeys() = default;

  // False when the combination is taken by another program or cannot be made; then nothing is held.
  // Each press runs `onPressed` from the event loop.
  virtual bool registerHotkey(HotkeyId id, std::uint32_t modifiers, std::uint32_t virtualKey,
                              std::function<void()> onPressed) = 0;
  virtual void unregisterHotkey(HotkeyId id) = 0;

  // How the active keyboard layout names a key without a fixed name: first the name it is shown by
  // (the key's own character, "Ç"), then any other a text may name it by; empty when it has none.
  virtual std::vector<std::string> keyNames(std::uint32_t virtualKey) = 0;
};

}  // namespace lumaro::platform
