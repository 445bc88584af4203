#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lumaro::platform {

// A tray picture: 0xAARRGGBB pixels, alpha 0 transparent and 0xFF opaque, rows top to bottom.
struct TrayImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;

  bool operator==(const TrayImage&) const = default;
};

// Mouse activity on a tray icon, in the classic order of messages: a double click arrives as left
// down, left up, left double click, left up.
enum class TrayMouse { Move, LeftDown, LeftUp, LeftDoubleClick, RightDown, RightUp, MiddleDown, MiddleUp };

struct ShiftState {
  bool shift = false;
  bool alt = false;
  bool ctrl = false;
};

// One item of an icon's menu, for hosts that draw the menu themselves. '&' marks the access key and
// "&&" is a plain ampersand.
struct TrayMenuItem {
  std::string caption;
  bool separator = false;
  bool enabled = true;
  bool visible = true;
  bool checked = false;
  TrayImage image;  // empty when the item has none

  bool operator==(const TrayMenuItem&) const = default;
};

// An icon's menu as such hosts see it: the items, read whenever the host asks for them, and the item
// chosen there, given by its place among the items.
struct TrayMenu {
  std::function<std::vector<TrayMenuItem>()> items;
  std::function<void(std::size_t index)> choose;
};

struct ScreenPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

// The desktop's notification area. Without one, adds fail and nothing is reported.
class Tray {
 public:
  using IconId = std::uint64_t;

  virtual ~Tray() = default;

  // The one receiver of every icon's mouse reports, called from the event loop.
  virtual void setMouseHandler(std::function<void(IconId, TrayMouse)> handler) = 0;
  // Called when the tray host has come back after a restart and icons must be added again. Hosts
  // that keep their icons across restarts never call it.
  virtual void setHostRestartedHandler(std::function<void()> handler) = 0;

  virtual bool add(IconId id, const TrayImage& image, const std::string& tip) = 0;
  // Replaces the picture and tip in place.
  virtual bool modify(IconId id, const TrayImage& image, const std::string& tip) = 0;
  virtual void remove(IconId id) = 0;
  // Gives the icon a menu that hosts drawing menus themselves can show; a TrayMenu without an items
  // function takes it away. It outlives remove and add, and the host reads it again after each
  // modify. Trays whose right click always reaches the program, which opens its drawn menu, need none.
  virtual void setMenu(IconId, TrayMenu) {}

  // Where the mouse pointer is on the screen, when that can be known.
  virtual std::optional<ScreenPoint> cursorPosition() = 0;
  virtual std::uint32_t doubleClickTimeMs() = 0;
  virtual ShiftState shiftState() = 0;
};

}  // namespace lumaro::platform
