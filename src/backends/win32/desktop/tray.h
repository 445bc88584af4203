#pragma once
#include <windows.h>

#include <map>

#include "backends/win32/desktop/own_window.h"
#include "platform/tray.h"

namespace lumaro::platform::win32 {

// The notification area through Shell_NotifyIconW. A hidden top-level window receives every icon's
// callback message (2048) and the shell's "TaskbarCreated" broadcast, which a message-only window
// would not get. Mouse reports come in the shell's own (classic) order.
class ShellTray : public Tray {
 public:
  static constexpr UINT kCallbackMessage = WM_USER + 1024;

  ShellTray();
  ~ShellTray() override;

  void setMouseHandler(std::function<void(IconId, TrayMouse)> handler) override {
    mouse_ = std::move(handler);
  }
  void setHostRestartedHandler(std::function<void()> handler) override { restarted_ = std::move(handler); }
  bool add(IconId id, const TrayImage& image, const std::string& tip) override;
  bool modify(IconId id, const TrayImage& image, const std::string& tip) override;
  void remove(IconId id) override;
  std::optional<ScreenPoint> cursorPosition() override;
  std::uint32_t doubleClickTimeMs() override;
  ShiftState shiftState() override;

  HWND window() const { return window_.handle(); }

 private:
  struct Entry {
    UINT shellId;
    HICON icon = nullptr;
  };

  std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam);
  bool notify(DWORD action, Entry& entry, const TrayImage* image, const std::string& tip);

  OwnWindow window_;
  UINT taskbarCreated_;
  std::map<IconId, Entry> icons_;
  UINT nextShellId_ = 1;
  std::function<void(IconId, TrayMouse)> mouse_;
  std::function<void()> restarted_;
};

// The report of a callback message's mouse message, if it is one we pass on.
std::optional<TrayMouse> trayMouseOf(UINT mouseMessage);

}  // namespace lumaro::platform::win32
