#pragma once
#include <cstdint>
#include <string>

namespace lumaro::platform::linuxos {

// The X keysym of a classic virtual-key code (the symbol a US keyboard carries on that key), or 0 when
// the key has none here.
std::uint32_t keysymForVirtualKey(std::uint32_t virtualKey);

// The place on the keyboard of a key whose symbol depends on the layout (the punctuation keys), as the
// keyboard extension names it ("AC10" for the key right of L), or nullptr for any other key.
const char* keyPlaceForVirtualKey(std::uint32_t virtualKey);

// The character a key with this symbol shows, in UTF-8: the capital of a letter ("Ç"), the mark of a
// dead key ("´"), the sign of a punctuation key (";"). "" for a symbol without one (keypad, function
// and control keys).
std::string keysymCharacter(std::uint32_t keysym);

// The X name of a keysym ("semicolon", "KP_Add", "XF86AudioMute"), or "" for 0.
std::string keysymName(std::uint32_t keysym);

}  // namespace lumaro::platform::linuxos
