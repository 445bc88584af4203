#include "backends/linux/desktop/keyboard_layout.h"

#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>

#include "backends/linux/desktop/virtual_key_symbols.h"

namespace lumaro::platform::linuxos {

namespace {

// The keyboard extension's kinds of report, the byte after the event code (its xcb header is no valid
// C++).
constexpr std::uint8_t kNewKeyboardNotify = 0;
constexpr std::uint8_t kMapNotify = 1;
constexpr std::uint8_t kStateNotify = 2;

}  // namespace

XkbKeyboardLayout::XkbKeyboardLayout(std::function<void()> onKeymapChanged) {
  changed_.setSingleShot(true);
  changed_.setInterval(0);
  if (onKeymapChanged) QObject::connect(&changed_, &QTimer::timeout, std::move(onKeymapChanged));
  auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11 == nullptr || x11->connection() == nullptr) return;
  std::uint8_t firstEvent = 0;
  if (!xkb_x11_setup_xkb_extension(x11->connection(), XKB_X11_MIN_MAJOR_XKB_VERSION,
                                   XKB_X11_MIN_MINOR_XKB_VERSION, XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS,
                                   nullptr, nullptr, &firstEvent, nullptr)) {
    return;
  }
  context_ = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
  if (context_ == nullptr) return;
  connection_ = x11->connection();
  keyboardEvent_ = firstEvent;
  device_ = xkb_x11_get_core_keyboard_device_id(connection_);
  // Qt's keyboard handling asks the server for these reports on this connection already.
  QCoreApplication::instance()->installNativeEventFilter(this);
}

XkbKeyboardLayout::~XkbKeyboardLayout() {
  if (connection_ != nullptr && QCoreApplication::instance() != nullptr) {
    QCoreApplication::instance()->removeNativeEventFilter(this);
  }
  forget();
  xkb_context_unref(context_);
}

void XkbKeyboardLayout::forget() {
  xkb_state_unref(state_);
  state_ = nullptr;
  xkb_keymap_unref(keymap_);
  keymap_ = nullptr;
}

bool XkbKeyboardLayout::load() {
  if (state_ != nullptr) return true;
  if (connection_ == nullptr || device_ < 0) return false;
  if (keymap_ == nullptr) {
    keymap_ = xkb_x11_keymap_new_from_device(context_, connection_, device_, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (keymap_ == nullptr) return false;
  }
  state_ = xkb_x11_state_new_from_device(keymap_, connection_, device_);
  return state_ != nullptr;
}

void XkbKeyboardLayout::keymapChanged() {
  forget();
  changed_.start();
}

bool XkbKeyboardLayout::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") return false;
  auto* event = static_cast<xcb_generic_event_t*>(message);
  const std::uint8_t type = event->response_type & ~0x80;
  if (type == XCB_MAPPING_NOTIFY) {
    // The core keyboard map changed (xmodmap, or a server without the keyboard extension's reports).
    if (reinterpret_cast<const xcb_mapping_notify_event_t*>(event)->request == XCB_MAPPING_KEYBOARD) {
      keymapChanged();
    }
    return false;
  }
  if (connection_ == nullptr || type != keyboardEvent_) return false;
  switch (reinterpret_cast<const std::uint8_t*>(event)[1]) {
    case kNewKeyboardNotify:
    case kMapNotify:
      keymapChanged();
      break;
    case kStateNotify:
      // Perhaps another active layout; the state is asked for again when a name is wanted.
      xkb_state_unref(state_);
      state_ = nullptr;
      break;
    default:
      break;
  }
  return false;
}

std::uint32_t XkbKeyboardLayout::placedKeycode(const char* place) {
  return place != nullptr && load() ? xkb_keymap_key_by_name(keymap_, place) : XKB_KEYCODE_INVALID;
}

std::uint32_t XkbKeyboardLayout::keysym(std::uint32_t virtualKey) {
  const xkb_keycode_t keycode = placedKeycode(keyPlaceForVirtualKey(virtualKey));
  if (keycode == XKB_KEYCODE_INVALID) return keysymForVirtualKey(virtualKey);
  // The symbol of the key's first level in the active layout: the one printed on the key.
  const xkb_layout_index_t layout = xkb_state_key_get_layout(state_, keycode);
  const xkb_keysym_t* symbols = nullptr;
  if (layout == XKB_LAYOUT_INVALID ||
      xkb_keymap_key_get_syms_by_level(keymap_, keycode, layout, 0, &symbols) != 1) {
    return 0;
  }
  return symbols[0];
}

std::vector<std::uint8_t> XkbKeyboardLayout::keycodes(std::uint32_t keysym) {
  if (keysym == 0 || !load()) return {};
  // Every key that carries the symbol in any layout or level, as the core keyboard map is searched:
  // a switch between the keymap's layouts needs no new grab.
  std::vector<std::uint8_t> found;
  const xkb_keycode_t last = std::min<xkb_keycode_t>(xkb_keymap_max_keycode(keymap_), 0xFF);
  for (xkb_keycode_t keycode = xkb_keymap_min_keycode(keymap_); keycode <= last; ++keycode) {
    bool carries = false;
    for (xkb_layout_index_t layout = 0; !carries && layout < xkb_keymap_num_layouts_for_key(keymap_, keycode);
         ++layout) {
      for (xkb_level_index_t level = 0;
           !carries && level < xkb_keymap_num_levels_for_key(keymap_, keycode, layout); ++level) {
        const xkb_keysym_t* symbols = nullptr;
        const int count = xkb_keymap_key_get_syms_by_level(keymap_, keycode, layout, level, &symbols);
        for (int i = 0; i < count; ++i) carries = carries || symbols[i] == keysym;
      }
    }
    if (carries) found.push_back(static_cast<std::uint8_t>(keycode));
  }
  return found;
}

std::vector<std::string> XkbKeyboardLayout::names(std::uint32_t virtualKey) {
  const std::uint32_t symbol = keysym(virtualKey);
  std::string shown = keysymCharacter(symbol);
  std::string name = keysymName(symbol);
  std::vector<std::string> result;
  if (!shown.empty()) result.push_back(std::move(shown));
  if (!name.empty()) result.push_back(std::move(name));
  return result;
}

std::string XkbKeyboardLayout::symbolName(std::uint32_t virtualKey) {
  return keysymName(keysym(virtualKey));
}

}  // namespace lumaro::platform::linuxos
