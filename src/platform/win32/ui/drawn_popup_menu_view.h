#pragma once
#include <memory>

#include "platform/win32/ui/drawn_menu_window.h"
#include "toolkit/application.h"
#include "toolkit/menu.h"

namespace lumaro::platform::win32 {

// A popup menu that draws itself, on screen: each popup request of the model opens the drawing as a
// popup window at the requested point, and the user's choice reaches the drawing inside the
// application's guard. Destroy the view before the menu.
class DrawnPopupMenuView {
 public:
  DrawnPopupMenuView(toolkit::PopupMenu& menu, toolkit::DrawnMenu& drawing, platform::TextService& text,
                     toolkit::Application& app);
  ~DrawnPopupMenuView();
  DrawnPopupMenuView(const DrawnPopupMenuView&) = delete;
  DrawnPopupMenuView& operator=(const DrawnPopupMenuView&) = delete;

  // The open popup, if any.
  DrawnMenuWindow* popup() const { return popup_.get(); }

 private:
  void open(int x, int y);

  toolkit::PopupMenu& menu_;
  toolkit::DrawnMenu& drawing_;
  platform::TextService& text_;
  toolkit::Application& app_;
  std::unique_ptr<DrawnMenuWindow> popup_;
  std::unique_ptr<DrawnMenuWindow> retired_;
};

}  // namespace lumaro::platform::win32
