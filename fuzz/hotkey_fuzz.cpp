// The hotkey text on arbitrary input: nothing crashes, a recognised text names a key, and the text
// the combination gives back (modifiers, then the key's name) is recognised as the same combination.
#include <cstdint>
#include <string>

#include "backends/fake/fake_hotkeys.h"
#include "fuzz_check.h"
#include "hotkey/short_cut.h"

using namespace lumaro;
using fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static platform::fake::FakeHotkeys hotkeys = [] {
    platform::fake::FakeHotkeys layout;
    // Names a keyboard layout gives keys outside the fixed table, one of them shared by two keys, one
    // with a second name (the key symbol's) that is read but never given back.
    layout.layoutNames = {{186, {";"}},
                          {187, {"="}},
                          {191, {"/"}},
                          {220, {"\\"}},
                          {226, {"\\"}},
                          {255, {"Ü"}},
                          {199, {"Ç", "ccedilla"}}};
    return layout;
  }();
  const hotkey::TShortCut key = hotkey::TextToShortCut(fuzz::textOf(data, size), hotkeys);
  if (key == 0) return 0;
  const std::uint32_t code = key & 0xFF;
  require(code != 0 && (key & 0x1F00) == 0);

  std::string text;
  if (key & hotkey::scShift) text += "Shift+";
  if (key & hotkey::scCtrl) text += "Ctrl+";
  if (key & hotkey::scAlt) text += "Alt+";
  text += hotkey::keyCodeName(code, hotkeys);
  require(hotkey::TextToShortCut(text, hotkeys) == key);
  return 0;
}
