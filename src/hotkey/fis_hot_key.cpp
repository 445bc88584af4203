#include "hotkey/fis_hot_key.h"

namespace lumaro::hotkey {

namespace {
platform::GlobalHotkeys::HotkeyId nextHotkeyId() {
  static platform::GlobalHotkeys::HotkeyId next = 0;
  return ++next;
}
}  // namespace

TfisHotKey::TfisHotKey(toolkit::Component* owner, toolkit::Application& app, platform::GlobalHotkeys& hotkeys)
    : Component(owner), app_(app), hotkeys_(hotkeys), id_(nextHotkeyId()) {}

TfisHotKey::~TfisHotKey() {
  unregisterKey();
}

void TfisHotKey::setEnabled(bool enabled) {
  enabled_ = enabled;
  if (enabled) {
    registerKey();
  } else {
    unregisterKey();
  }
}

void TfisHotKey::setKey(TShortCut key) {
  if (key == key_) return;
  key_ = key;
  unregisterKey();
  if (enabled_) registerKey();
}

void TfisHotKey::registerKey() {
  if (registered_) return;
  std::uint32_t modifiers = 0;
  if (key_ & scShift) modifiers |= platform::kModShift;
  if (key_ & scAlt) modifiers |= platform::kModAlt;
  if (key_ & scCtrl) modifiers |= platform::kModControl;
  const std::uint32_t virtualKey = key_ & 0xFF;
  // Key 0 names nothing: the system would refuse it.
  registered_ = virtualKey != 0 && hotkeys_.registerHotkey(id_, modifiers, virtualKey, [this] {
    app_.guarded([this] { OnHotKey(*this); });
  });
}

void TfisHotKey::unregisterKey() {
  if (!registered_) return;
  hotkeys_.unregisterHotkey(id_);
  registered_ = false;
}

}  // namespace lumaro::hotkey
