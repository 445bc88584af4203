#include "backends/linux/desktop/virtual_key_symbols.h"

#include <xkbcommon/xkbcommon.h>

#include <array>
#include <utility>

namespace lumaro::platform::linuxos {

namespace {

// Codes outside the letter, digit, keypad-digit and function-key ranges.
constexpr std::pair<std::uint32_t, std::uint32_t> kSymbols[] = {
    {8, 0xff08},        // BackSpace
    {9, 0xff09},        // Tab
    {13, 0xff0d},       // Return
    {19, 0xff13},       // Pause
    {27, 0xff1b},       // Escape
    {32, 0x20},         // space
    {33, 0xff55},       // Prior
    {34, 0xff56},       // Next
    {35, 0xff57},       // End
    {36, 0xff50},       // Home
    {37, 0xff51},       // Left
    {38, 0xff52},       // Up
    {39, 0xff53},       // Right
    {40, 0xff54},       // Down
    {44, 0xff61},       // Print
    {45, 0xff63},       // Insert
    {46, 0xffff},       // Delete
    {93, 0xff67},       // Menu
    {95, 0x1008ff2f},   // XF86Sleep
    {106, 0xffaa},      // KP_Multiply
    {107, 0xffab},      // KP_Add
    {108, 0xffac},      // KP_Separator
    {109, 0xffad},      // KP_Subtract
    {110, 0xffae},      // KP_Decimal
    {111, 0xffaf},      // KP_Divide
    {145, 0xff14},      // Scroll_Lock
    {166, 0x1008ff26},  // XF86Back
    {167, 0x1008ff27},  // XF86Forward
    {168, 0x1008ff29},  // XF86Refresh
    {169, 0x1008ff28},  // XF86Stop
    {170, 0x1008ff1b},  // XF86Search
    {171, 0x1008ff30},  // XF86Favorites
    {172, 0x1008ff18},  // XF86HomePage
    {173, 0x1008ff12},  // XF86AudioMute
    {174, 0x1008ff11},  // XF86AudioLowerVolume
    {175, 0x1008ff13},  // XF86AudioRaiseVolume
    {176, 0x1008ff17},  // XF86AudioNext
    {177, 0x1008ff16},  // XF86AudioPrev
    {178, 0x1008ff15},  // XF86AudioStop
    {179, 0x1008ff14},  // XF86AudioPlay
    {180, 0x1008ff19},  // XF86Mail
};

// The punctuation keys: the symbol a US keyboard carries, and the key's place, which other layouts
// give other symbols.
struct PlacedKey {
  std::uint32_t virtualKey;
  std::uint32_t keysym;
  const char* place;
};
constexpr PlacedKey kPlacedKeys[] = {
    {186, 0x3b, "AC10"},  // semicolon
    {187, 0x3d, "AE12"},  // equal
    {188, 0x2c, "AB08"},  // comma
    {189, 0x2d, "AE11"},  // minus
    {190, 0x2e, "AB09"},  // period
    {191, 0x2f, "AB10"},  // slash
    {192, 0x60, "TLDE"},  // grave
    {193, 0, "AB11"},     // none here: the extra key left of the right Shift on Brazilian keyboards
    {219, 0x5b, "AD11"},  // bracketleft
    {220, 0x5c, "BKSL"},  // backslash
    {221, 0x5d, "AD12"},  // bracketright
    {222, 0x27, "AC11"},  // apostrophe
    {226, 0x3c, "LSGT"},  // less: the extra key of 102-key keyboards
};

// The mark a dead key puts on the next letter, as the key shows it.
constexpr std::pair<std::uint32_t, char32_t> kDeadKeyMarks[] = {
    {0xfe50, U'`'},       // dead_grave
    {0xfe51, U'\u00b4'},  // dead_acute
    {0xfe52, U'^'},       // dead_circumflex
    {0xfe53, U'~'},       // dead_tilde
    {0xfe54, U'\u00af'},  // dead_macron
    {0xfe55, U'\u02d8'},  // dead_breve
    {0xfe56, U'\u02d9'},  // dead_abovedot
    {0xfe57, U'\u00a8'},  // dead_diaeresis
    {0xfe58, U'\u02da'},  // dead_abovering
    {0xfe59, U'\u02dd'},  // dead_doubleacute
    {0xfe5a, U'\u02c7'},  // dead_caron
    {0xfe5b, U'\u00b8'},  // dead_cedilla
    {0xfe5c, U'\u02db'},  // dead_ogonek
};

constexpr std::uint32_t kFirstKeypadSymbol = 0xff80;
constexpr std::uint32_t kLastKeypadSymbol = 0xffbd;

char32_t deadKeyMark(std::uint32_t keysym) {
  for (const auto& [dead, mark] : kDeadKeyMarks) {
    if (dead == keysym) return mark;
  }
  return 0;
}

std::string utf8(char32_t c) {
  std::array<char, 8> text{};
  if (xkb_keysym_to_utf8(xkb_utf32_to_keysym(c), text.data(), text.size()) <= 0) return {};
  return text.data();
}

}  // namespace

std::uint32_t keysymForVirtualKey(std::uint32_t vk) {
  if (vk >= 'A' && vk <= 'Z') return 'a' + (vk - 'A');
  if (vk >= '0' && vk <= '9') return vk;
  if (vk >= 96 && vk <= 105) return 0xffb0 + (vk - 96);    // keypad digits
  if (vk >= 112 && vk <= 135) return 0xffbe + (vk - 112);  // F1..F24
  for (const auto& [code, keysym] : kSymbols) {
    if (code == vk) return keysym;
  }
  for (const PlacedKey& key : kPlacedKeys) {
    if (key.virtualKey == vk) return key.keysym;
  }
  return 0;
}

const char* keyPlaceForVirtualKey(std::uint32_t vk) {
  for (const PlacedKey& key : kPlacedKeys) {
    if (key.virtualKey == vk) return key.place;
  }
  return nullptr;
}

std::string keysymCharacter(std::uint32_t keysym) {
  if (keysym >= kFirstKeypadSymbol && keysym <= kLastKeypadSymbol) return {};
  if (const char32_t mark = deadKeyMark(keysym)) return utf8(mark);
  // The capital, as a letter key is labelled; a small letter without a capital of its own (ß) stays.
  char32_t c = xkb_keysym_to_utf32(xkb_keysym_to_upper(keysym));
  if (c == 0) c = xkb_keysym_to_utf32(keysym);
  if (c <= 0x20 || c == 0x7F) return {};  // nothing, or a control character
  return utf8(c);
}

std::string keysymName(std::uint32_t keysym) {
  if (keysym == 0) return {};
  std::array<char, 64> name{};
  if (xkb_keysym_get_name(keysym, name.data(), name.size()) <= 0) return {};
  return name.data();
}

}  // namespace lumaro::platform::linuxos
