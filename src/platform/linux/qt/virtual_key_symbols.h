#pragma once
#include <cstdint>
#include <string>

namespace lumaro::platform::qt {

// The X keysym of a classic virtual-key code (the symbol a US keyboard carries on that key), or 0 when
// the key has none here.
std::uint32_t keysymForVirtualKey(std::uint32_t virtualKey);

// The X name of the key's symbol ("semicolon", "KP_Add", "XF86AudioMute"), or "" when it has none.
std::string keysymNameForVirtualKey(std::uint32_t virtualKey);

}  // namespace lumaro::platform::qt
