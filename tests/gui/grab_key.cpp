// Another X client that holds Ctrl+Alt+M, as a program that took the combination first would. Prints
// "grabbed" once it holds it and "pressed" for every press it receives.
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

int main() {
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) return 1;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(connection);
  xcb_keycode_t* codes = xcb_key_symbols_get_keycode(symbols, 'm');
  if (codes == nullptr) return 1;
  const std::array<std::uint16_t, 4> locks = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                                              XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};
  for (const std::uint16_t lock : locks) {
    xcb_grab_key(connection, 1, root, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | lock, codes[0],
                 XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
  }
  std::free(codes);
  xcb_flush(connection);
  std::puts("grabbed");
  std::fflush(stdout);
  while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
    if ((event->response_type & 0x7F) == XCB_KEY_PRESS) {
      std::puts("pressed");
      std::fflush(stdout);
    }
    std::free(event);
  }
}
