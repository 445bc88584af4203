#include "hotkey/short_cut.h"

#include <array>
#include <vector>

#include "toolkit/drawing/text.h"

namespace lumaro::hotkey {

namespace {

constexpr std::array<const char*, 9> kNavigationNames = {"Space", "PgUp", "PgDn",  "End", "Home",
                                                         "Left",  "Up",   "Right", "Down"};

// Removes `prefix` from the front of `text` when it is there, ignoring case.
bool takePrefix(std::string_view& text, std::string_view prefix) {
  if (text.size() < prefix.size() || !toolkit::sameText(text.substr(0, prefix.size()), prefix)) return false;
  text.remove_prefix(prefix.size());
  return true;
}

// The name of the fixed table, or "" for a code it leaves to the layout.
std::string fixedKeyName(std::uint32_t code) {
  switch (code) {
    case 8:
      return "BkSp";
    case 9:
      return "Tab";
    case 13:
      return "Enter";
    case 27:
      return "Esc";
    case 45:
      return "Ins";
    case 46:
      return "Del";
    default:
      break;
  }
  if (code >= 32 && code <= 40) return kNavigationNames[code - 32];
  if (code >= 48 && code <= 57) return std::string(1, static_cast<char>(code));
  if (code >= 65 && code <= 90) return std::string(1, static_cast<char>(code));
  if (code >= 96 && code <= 105) return std::string(1, static_cast<char>('0' + code - 96));
  if (code >= 112 && code <= 135) return std::string("F").append(std::to_string(code - 111));
  return {};
}

bool bearsName(std::uint32_t code, std::string_view text, platform::GlobalHotkeys& hotkeys) {
  const std::string fixed = fixedKeyName(code);
  if (!fixed.empty()) return toolkit::sameText(fixed, text);
  for (const std::string& name : hotkeys.keyNames(code)) {
    if (toolkit::sameText(name, text)) return true;
  }
  return false;
}

}  // namespace

std::string keyCodeName(std::uint32_t code, platform::GlobalHotkeys& hotkeys) {
  std::string fixed = fixedKeyName(code);
  if (!fixed.empty()) return fixed;
  const std::vector<std::string> names = hotkeys.keyNames(code);
  return names.empty() ? std::string() : names.front();
}

TShortCut TextToShortCut(std::string_view text, platform::GlobalHotkeys& hotkeys) {
  TShortCut modifiers = 0;
  // A "^" at the end is the name of a key (the circumflex of many layouts), not a prefix.
  while (true) {
    if (takePrefix(text, "Shift+")) {
      modifiers |= scShift;
    } else if (takePrefix(text, "Ctrl+") || (text.size() > 1 && takePrefix(text, "^"))) {
      modifiers |= scCtrl;
    } else if (takePrefix(text, "Alt+")) {
      modifiers |= scAlt;
    } else {
      break;
    }
  }
  if (text.empty()) return 0;
  for (std::uint32_t code = 1; code <= 0xFF; ++code) {
    if (bearsName(code, text, hotkeys)) return static_cast<TShortCut>(modifiers | code);
  }
  return 0;
}

}  // namespace lumaro::hotkey
