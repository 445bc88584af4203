#pragma once
#include <map>
#include <memory>

#include "platform/tray.h"
#include "toolkit/core/application.h"

namespace lumaro::tray {

class TCoolTrayIcon;

// The one receiver of the process's tray traffic, shared by every tray icon: made by the first icon,
// freed with the last. It routes each mouse report to its icon, inside the application's guard.
class TTrayIconHandler {
 public:
  // The shared handler for this tray, made on first use.
  static std::shared_ptr<TTrayIconHandler> acquire(platform::Tray& tray, toolkit::Application& app);
  ~TTrayIconHandler();
  TTrayIconHandler(const TTrayIconHandler&) = delete;
  TTrayIconHandler& operator=(const TTrayIconHandler&) = delete;

  platform::Tray::IconId enroll(TCoolTrayIcon& icon);
  void withdraw(platform::Tray::IconId id) { icons_.erase(id); }

 private:
  TTrayIconHandler(platform::Tray& tray, toolkit::Application& app);
  void dispatch(platform::Tray::IconId id, platform::TrayMouse mouse);
  void hostRestarted();

  platform::Tray& tray_;
  toolkit::Application& app_;
  std::map<platform::Tray::IconId, TCoolTrayIcon*> icons_;
  platform::Tray::IconId nextId_ = 1;
};

}  // namespace lumaro::tray
