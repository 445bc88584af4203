#pragma once
#include <memory>
#include <string>

#include "platform/tray.h"
#include "toolkit/core/application.h"
#include "toolkit/core/component.h"
#include "toolkit/core/timer.h"
#include "toolkit/drawing/icon.h"
#include "toolkit/drawing/image_list.h"
#include "toolkit/menus/menu.h"

namespace lumaro::tray {

class TTrayIconHandler;

enum class TrayButton { Left, Right, Middle };
using TrayMouseEvent = toolkit::Event<toolkit::Component&, platform::ShiftState, int, int>;
using TrayButtonEvent = toolkit::Event<toolkit::Component&, TrayButton, platform::ShiftState, int, int>;

// An icon in the desktop's notification area: shows a picture and a tip, animates through an image
// list, turns mouse activity into click, double-click and menu events, and hides the main window to
// the tray and brings it back. The process's icons share one tray entry (see TTrayIconHandler).
class TCoolTrayIcon : public toolkit::Component {
 public:
  static constexpr int kTipLength = 127;
  static constexpr std::uint32_t kPollIntervalMs = 20;

  TCoolTrayIcon(toolkit::Component* owner, toolkit::Application& app, platform::Tray& tray);
  ~TCoolTrayIcon() override;

  bool Enabled() const { return enabled_; }
  void setEnabled(bool enabled) { enabled_ = enabled; }
  const std::string& Hint() const { return hint_; }
  void setHint(std::string hint);
  bool ShowHint() const { return showHint_; }
  void setShowHint(bool show);
  const toolkit::Icon& Icon() const { return icon_; }
  // Any change is pushed to the tray at once.
  void setIcon(toolkit::Icon icon);
  bool IconVisible() const { return iconVisible_; }
  void setIconVisible(bool visible);
  toolkit::ImageList* IconList() const { return iconList_; }
  void setIconList(toolkit::ImageList* list);
  int IconIndex() const { return iconIndex_; }
  void setIconIndex(int index);
  bool CycleIcons() const { return cycleIcons_; }
  void setCycleIcons(bool cycle);
  std::uint32_t CycleInterval() const { return cycleInterval_; }
  void setCycleInterval(std::uint32_t interval);
  toolkit::PopupMenu* PopupMenu() const { return popupMenu_; }
  // The menu also goes to the tray, for hosts that draw it themselves.
  void setPopupMenu(toolkit::PopupMenu* menu);
  bool LeftPopup() const { return leftPopup_; }
  void setLeftPopup(bool left) { leftPopup_ = left; }
  bool WantEnterExitEvents() const { return wantEnterExit_; }
  void setWantEnterExitEvents(bool want);
  bool MinimizeToTray() const { return minimizeToTray_; }
  void setMinimizeToTray(bool minimize) { minimizeToTray_ = minimize; }

  // Brings the main window back from the tray.
  void RestoreFromTray();
  // Hides the main window into the tray.
  void HideToTray();

  toolkit::NotifyEvent OnClick;
  toolkit::NotifyEvent OnDblClick;
  TrayButtonEvent OnMouseDown;
  TrayButtonEvent OnMouseUp;
  TrayMouseEvent OnMouseMove;
  toolkit::NotifyEvent OnMouseEnter;
  toolkit::NotifyEvent OnMouseExit;
  toolkit::Event<toolkit::Component&, int> OnCycle;

  // From the shared handler.
  void handleMouse(platform::TrayMouse mouse);

 protected:
  toolkit::Application& application() const { return app_; }
  // Shows `icon` in place of the current one, which `icon` then holds, so that a caller redrawing at
  // every tick reuses the same pictures; an identical picture is not pushed again.
  void swapIcon(toolkit::Icon& icon);

 private:
  std::string tip() const;
  // The icon as the tray takes it, in a buffer kept for reuse.
  const platform::TrayImage& trayImage();
  void modifyInTray();
  void clickTimerExpired();
  void cycleTick();
  void pollPointer();
  void openMenu();
  std::vector<platform::TrayMenuItem> menuItems() const;
  void chooseMenuItem(std::size_t index);
  toolkit::Form* mainFormOfOwner() const;

  toolkit::Application& app_;
  platform::Tray& tray_;
  std::shared_ptr<TTrayIconHandler> handler_;
  platform::Tray::IconId id_;

  bool enabled_ = true;
  std::string hint_;
  bool showHint_ = true;
  toolkit::Icon icon_;
  platform::TrayImage trayImage_;
  bool iconVisible_ = false;
  toolkit::ImageList* iconList_ = nullptr;
  int iconIndex_ = 0;
  bool cycleIcons_ = false;
  std::uint32_t cycleInterval_ = 0;
  toolkit::PopupMenu* popupMenu_ = nullptr;
  bool leftPopup_ = false;
  bool wantEnterExit_ = false;
  bool minimizeToTray_ = false;

  toolkit::Timer* cycleTimer_;
  toolkit::Timer* clickTimer_;
  toolkit::Timer* pollTimer_;
  bool buttonDown_ = false;
  bool clickReady_ = false;
  bool doubleClicked_ = false;
  bool cursorOutside_ = true;
  platform::ScreenPoint lastPosition_;
  int minimizeHook_ = 0;
};

}  // namespace lumaro::tray
