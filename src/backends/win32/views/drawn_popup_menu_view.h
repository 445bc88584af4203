#pragma once
#include <memory>

#include "backends/win32/views/drawn_menu_window.h"
#include "toolkit/menus/drawn_popup_menu_link.h"

namespace lumaro::platform::win32 {

// A popup menu that draws itself, on screen: each popup request of the model opens the drawing as a
// popup window at the requested point. Destroy the view before the menu.
class DrawnPopupMenuView {
 public:
  DrawnPopupMenuView(toolkit::PopupMenu& menu, toolkit::DrawnMenu& drawing, platform::TextService& text,
                     toolkit::Application& app);
  DrawnPopupMenuView(const DrawnPopupMenuView&) = delete;
  DrawnPopupMenuView& operator=(const DrawnPopupMenuView&) = delete;

  // The open popup, if any.
  DrawnMenuWindow* popup() const { return popup_.get(); }

 private:
  void open(int x, int y);

  platform::TextService& text_;
  std::unique_ptr<DrawnMenuWindow> popup_;
  std::unique_ptr<DrawnMenuWindow> retired_;
  toolkit::DrawnPopupMenuLink link_;
};

}  // namespace lumaro::platform::win32
