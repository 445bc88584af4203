#pragma once
#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <string>
#include <vector>

struct xcb_connection_t;
struct xkb_context;
struct xkb_keymap;
struct xkb_state;

namespace lumaro::platform::linuxos {

// The keyboard layout the X server uses now: which keys a virtual-key code means, and what the key is
// called. A punctuation key is the key at its place on the keyboard and is called by the symbol the
// active layout gives it there ("odiaeresis" right of L on a German layout), so that its name finds
// the same key again; any other key is the one carrying its fixed symbol. The layout is read when
// first needed and again after the server reports a new keymap or another active layout. Without an
// X connection no key is found and the names are those of a US keyboard.
class XkbKeyboardLayout : public QAbstractNativeEventFilter {
 public:
  XkbKeyboardLayout();
  ~XkbKeyboardLayout() override;
  XkbKeyboardLayout(const XkbKeyboardLayout&) = delete;
  XkbKeyboardLayout& operator=(const XkbKeyboardLayout&) = delete;

  // The X key codes that produce the key; empty when the layout has none.
  std::vector<std::uint8_t> keycodes(std::uint32_t virtualKey);
  // The X name of the key's symbol ("semicolon", "KP_Add", "XF86AudioMute"), or "" when it has none.
  std::string name(std::uint32_t virtualKey);

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  bool load();
  void forget();
  std::uint32_t placedKeycode(const char* place);

  xcb_connection_t* connection_ = nullptr;
  std::uint8_t keyboardEvent_ = 0;
  std::int32_t device_ = -1;
  xkb_context* context_ = nullptr;
  xkb_keymap* keymap_ = nullptr;
  xkb_state* state_ = nullptr;
};

}  // namespace lumaro::platform::linuxos
