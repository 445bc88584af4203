#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/tray.h"

namespace lumaro::platform::fake {

// Records every tray operation; tests inject mouse reports and host restarts.
class FakeTray : public Tray {
 public:
  struct Shown {
    TrayImage image;
    std::string tip;
  };

  void setMouseHandler(std::function<void(IconId, TrayMouse)> handler) override {
    mouse_ = std::move(handler);
  }
  void setHostRestartedHandler(std::function<void()> handler) override { restarted_ = std::move(handler); }
  bool add(IconId id, const TrayImage& image, const std::string& tip) override;
  bool modify(IconId id, const TrayImage& image, const std::string& tip) override;
  void remove(IconId id) override;
  void setMenu(IconId id, TrayMenu menu) override;
  std::optional<ScreenPoint> cursorPosition() override { return cursor; }
  std::uint32_t doubleClickTimeMs() override { return doubleClickTime; }
  ShiftState shiftState() override { return shift; }

  // What another process would do.
  void press(IconId id, TrayMouse mouse) {
    if (mouse_) mouse_(id, mouse);
  }
  void restartHost();
  bool hasMouseHandler() const { return static_cast<bool>(mouse_); }

  std::map<IconId, Shown> icons;        // what the tray shows now
  std::map<IconId, TrayMenu> menus;     // the icons' menus, for hosts that draw them
  std::vector<std::string> operations;  // "add 1", "modify 1", "remove 1"
  std::optional<ScreenPoint> cursor = ScreenPoint{1000, 740};
  std::uint32_t doubleClickTime = 400;
  ShiftState shift;

 private:
  std::function<void(IconId, TrayMouse)> mouse_;
  std::function<void()> restarted_;
};

}  // namespace lumaro::platform::fake
