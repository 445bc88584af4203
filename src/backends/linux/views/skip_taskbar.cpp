#include "backends/linux/views/skip_taskbar.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <string_view>

namespace lumaro::platform::linuxos {

namespace {

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
      nullptr);
  const xcb_atom_t found = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);
  return found;
}

// Whether the window's state list holds `state` already.
bool holds(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t states, xcb_atom_t state) {
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      connection, xcb_get_property(connection, 0, window, states, XCB_ATOM_ATOM, 0, 64), nullptr);
  bool held = false;
  if (reply != nullptr && reply->format == 32) {
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
    for (int i = 0; i < xcb_get_property_value_length(reply) / 4; ++i) held = held || atoms[i] == state;
  }
  std::free(reply);
  return held;
}

}  // namespace

void skipTaskbar(QWidget& window) {
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || x11->connection() == nullptr) return;
  xcb_connection_t* connection = x11->connection();
  const auto id = static_cast<xcb_window_t>(window.winId());
  const xcb_atom_t states = atom(connection, "_NET_WM_STATE");
  const xcb_atom_t skip = atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
  if (states == XCB_ATOM_NONE || skip == XCB_ATOM_NONE || holds(connection, id, states, skip)) return;
  // Set before the window is mapped; the toolkit keeps states it does not manage itself.
  xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, states, XCB_ATOM_ATOM, 32, 1, &skip);
  xcb_flush(connection);
}

}  // namespace lumaro::platform::linuxos
