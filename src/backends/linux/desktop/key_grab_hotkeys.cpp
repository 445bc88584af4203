#include "backends/linux/desktop/key_grab_hotkeys.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <array>
#include <cstdlib>

namespace lumaro::platform::linuxos {

namespace {

// The lock keys a grab must ignore: none, CapsLock, NumLock (Mod2), both.
constexpr std::array<std::uint16_t, 4> kLockVariants = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                                                        XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};
constexpr std::uint16_t kRelevantModifiers =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

std::uint16_t xcbModifiers(std::uint32_t modifiers) {
  std::uint16_t mask = 0;
  if (modifiers & kModShift) mask |= XCB_MOD_MASK_SHIFT;
  if (modifiers & kModControl) mask |= XCB_MOD_MASK_CONTROL;
  if (modifiers & kModAlt) mask |= XCB_MOD_MASK_1;
  return mask;
}

}  // namespace

XcbGlobalHotkeys::XcbGlobalHotkeys() : layout_([this] { regrab(); }) {
  auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11 == nullptr || x11->connection() == nullptr) return;
  connection_ = x11->connection();
  root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
  QCoreApplication::instance()->installNativeEventFilter(this);
}

XcbGlobalHotkeys::~XcbGlobalHotkeys() {
  for (const auto& [id, held] : grabs_) ungrab(held);
  if (connection_ == nullptr) return;
  if (QCoreApplication::instance() != nullptr) QCoreApplication::instance()->removeNativeEventFilter(this);
  xcb_flush(connection_);
}

void XcbGlobalHotkeys::ungrab(const Grab& held) {
  for (std::uint8_t keycode : held.keycodes) {
    for (std::uint16_t lock : kLockVariants)
      xcb_ungrab_key(connection_, keycode, root_, held.modifiers | lock);
  }
  xcb_flush(connection_);
}

bool XcbGlobalHotkeys::grab(Grab& held) {
  held.keycodes = layout_.keycodes(held.keysym);
  if (held.keycodes.empty()) return false;
  std::vector<xcb_void_cookie_t> cookies;
  for (std::uint8_t keycode : held.keycodes) {
    for (std::uint16_t lock : kLockVariants) {
      cookies.push_back(xcb_grab_key_checked(connection_, 1, root_, held.modifiers | lock, keycode,
                                             XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
  }
  bool refused = false;
  for (xcb_void_cookie_t cookie : cookies) {
    if (xcb_generic_error_t* error = xcb_request_check(connection_, cookie)) {
      refused = true;  // BadAccess: another client holds the combination
      std::free(error);
    }
  }
  if (!refused) return true;
  ungrab(held);
  held.keycodes.clear();
  return false;
}

void XcbGlobalHotkeys::regrab() {
  // The symbol is kept, not the key: under the new keymap other keys may carry it.
  for (auto& [id, held] : grabs_) {
    ungrab(held);
    grab(held);
  }
}

bool XcbGlobalHotkeys::registerHotkey(HotkeyId id, std::uint32_t modifiers, std::uint32_t virtualKey,
                                      std::function<void()> onPressed) {
  if (connection_ == nullptr || grabs_.contains(id)) return false;
  Grab held{layout_.keysym(virtualKey), {}, xcbModifiers(modifiers), std::move(onPressed)};
  if (!grab(held)) return false;
  grabs_[id] = std::move(held);
  return true;
}

void XcbGlobalHotkeys::unregisterHotkey(HotkeyId id) {
  auto found = grabs_.find(id);
  if (found == grabs_.end()) return;
  ungrab(found->second);
  grabs_.erase(found);
}

bool XcbGlobalHotkeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") return false;
  auto* event = static_cast<xcb_generic_event_t*>(message);
  if ((event->response_type & ~0x80) != XCB_KEY_PRESS) return false;
  auto* press = reinterpret_cast<xcb_key_press_event_t*>(event);
  const std::uint16_t held = press->state & kRelevantModifiers;
  for (const auto& [id, grab] : grabs_) {
    if (grab.modifiers != held) continue;
    for (std::uint8_t keycode : grab.keycodes) {
      if (keycode != press->detail) continue;
      // Run from the loop, not from inside Qt's event dispatch: the handler may take long.
      QTimer::singleShot(0, qApp, grab.onPressed);
      return true;
    }
  }
  return false;
}

std::vector<std::string> XcbGlobalHotkeys::keyNames(std::uint32_t virtualKey) {
  return layout_.names(virtualKey);
}

}  // namespace lumaro::platform::linuxos
