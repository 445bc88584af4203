#include "backends/linux/desktop/key_events.h"

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <QGuiApplication>
#include <cstdlib>

#include "backends/linux/desktop/virtual_key_symbols.h"

namespace lumaro::platform::linuxos {

XcbKeyEvents::XcbKeyEvents() {
  auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11 == nullptr || x11->connection() == nullptr) return;
  const xcb_query_extension_reply_t* xtest = xcb_get_extension_data(x11->connection(), &xcb_test_id);
  if (xtest != nullptr && xtest->present) connection_ = x11->connection();
}

void XcbKeyEvents::pressKey(std::uint8_t virtualKey) {
  const std::uint32_t keysym = keysymForVirtualKey(virtualKey);
  if (connection_ == nullptr || keysym == 0) return;
  xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(connection_);
  xcb_keycode_t* keycodes = xcb_key_symbols_get_keycode(symbols, keysym);
  if (keycodes != nullptr && keycodes[0] != XCB_NO_SYMBOL) {
    xcb_test_fake_input(connection_, XCB_KEY_PRESS, keycodes[0], XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(connection_, XCB_KEY_RELEASE, keycodes[0], XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(connection_);
  }
  std::free(keycodes);
  xcb_key_symbols_free(symbols);
}

}  // namespace lumaro::platform::linuxos
