#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/tray.h"
#include "toolkit/core/application.h"

namespace lumaro::tray {

class TCoolTrayIcon;

// The one receiver of the process's tray traffic, shared by every tray icon: made by the first icon,
// freed with the last. The icons share one entry in the tray: the icon shown last is the one seen and
// the one the mouse reaches; when it leaves, the entry shows the icon shown before it, and only when
// none is left does the entry leave the tray. So an icon taking over from another changes the
// picture of the entry the tray already has, which keeps its place among the other icons. Mouse
// reports reach their icon inside the application's guard.
class TTrayIconHandler {
 public:
  // The id of the one entry, as the tray knows it.
  static constexpr platform::Tray::IconId kEntry = 1;

  // The shared handler for this tray, made on first use.
  static std::shared_ptr<TTrayIconHandler> acquire(platform::Tray& tray, toolkit::Application& app);
  ~TTrayIconHandler();
  TTrayIconHandler(const TTrayIconHandler&) = delete;
  TTrayIconHandler& operator=(const TTrayIconHandler&) = delete;

  platform::Tray::IconId enroll(TCoolTrayIcon& icon);
  // The icon leaves the entry, if it was in it, and gets no more reports.
  void withdraw(platform::Tray::IconId icon);

  // The icon takes the entry with this picture and tip, also when it was already in it.
  void show(platform::Tray::IconId icon, const platform::TrayImage& image, const std::string& tip);
  // A new picture or tip of an icon in the entry, seen at once when that icon is the one shown.
  void update(platform::Tray::IconId icon, const platform::TrayImage& image, const std::string& tip);
  // The icon leaves the entry; the one shown before it comes back.
  void hide(platform::Tray::IconId icon);

 private:
  struct Shown {
    platform::Tray::IconId icon;
    platform::TrayImage image;
    std::string tip;
  };

  TTrayIconHandler(platform::Tray& tray, toolkit::Application& app);
  std::vector<Shown>::iterator findShown(platform::Tray::IconId icon);
  // The tray shows the last shown icon's picture, or no entry when none is left.
  void present();
  void dispatch(platform::TrayMouse mouse);
  void hostRestarted();

  platform::Tray& tray_;
  toolkit::Application& app_;
  std::map<platform::Tray::IconId, TCoolTrayIcon*> icons_;
  platform::Tray::IconId nextId_ = 1;
  // The icons in the entry, in the order they were shown.
  std::vector<Shown> shown_;
  bool entryAdded_ = false;
};

}  // namespace lumaro::tray
