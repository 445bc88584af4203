#pragma once
#include <QAbstractNativeEventFilter>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct xcb_connection_t;
struct xkb_context;
struct xkb_keymap;
struct xkb_state;

namespace lumaro::platform::linuxos {

// The keyboard layout the X server uses now: which symbol a virtual-key code means, which keys carry a
// symbol, and what a key is called. A punctuation key is the key at its place on the keyboard and
// means the symbol the active layout gives it there ("ç" right of L on a Brazilian layout); any other
// key means its fixed symbol. The layout is read when first needed and again after the server reports
// a new keymap or another active layout. Without an X connection no key is found and the names are
// those of a US keyboard.
class XkbKeyboardLayout : public QAbstractNativeEventFilter {
 public:
  // `onKeymapChanged` runs from the event loop once after the server reports another keymap (a new
  // layout set, or new key symbols), so that keys can be looked up again.
  explicit XkbKeyboardLayout(std::function<void()> onKeymapChanged = {});
  ~XkbKeyboardLayout() override;
  XkbKeyboardLayout(const XkbKeyboardLayout&) = delete;
  XkbKeyboardLayout& operator=(const XkbKeyboardLayout&) = delete;

  // The symbol the key stands for now, or 0 when the layout has none there.
  std::uint32_t keysym(std::uint32_t virtualKey);
  // The X key codes that carry `keysym` in any layout or level of the keymap.
  std::vector<std::uint8_t> keycodes(std::uint32_t keysym);
  // How the key is called: the character it shows ("Ç", "´", ";") or, for a key without one, its X
  // symbol name ("KP_Add"); then the symbol name too when it differs ("ccedilla"). Empty: no name.
  std::vector<std::string> names(std::uint32_t virtualKey);
  // The X name of the key's symbol ("ccedilla", "m", "KP_Add"), or "" when it has none.
  std::string symbolName(std::uint32_t virtualKey);

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  bool load();
  void forget();
  void keymapChanged();
  std::uint32_t placedKeycode(const char* place);

  xcb_connection_t* connection_ = nullptr;
  std::uint8_t keyboardEvent_ = 0;
  std::int32_t device_ = -1;
  xkb_context* context_ = nullptr;
  xkb_keymap* keymap_ = nullptr;
  xkb_state* state_ = nullptr;
  // One report after several of a single change (setxkbmap sends a new keyboard, a new map and the
  // core mapping notice).
  QTimer changed_;
};

}  // namespace lumaro::platform::linuxos
