#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/global_hotkeys.h"

namespace lumaro::hotkey {

// A key combination: low byte the virtual-key code, plus these modifier bits.
using TShortCut = std::uint16_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

// The fixed name of a key code ("M", "F5", "PgUp", "0"), or the name the active layout shows the key
// by, from `hotkeys`, for any other code ("Ç"); "" when the key has no name.
std::string keyCodeName(std::uint32_t code, platform::GlobalHotkeys& hotkeys);

// Parses "Ctrl+Alt+M": prefixes "Shift+", "Ctrl+" or "^", "Alt+" in any order and case, then a key
// name, compared without regard to case; the lowest code that bears the name counts, any of the
// names the layout accepts for it. 0 when no key is named.
TShortCut TextToShortCut(std::string_view text, platform::GlobalHotkeys& hotkeys);

}  // namespace lumaro::hotkey
