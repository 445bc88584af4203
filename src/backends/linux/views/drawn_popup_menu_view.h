#pragma once
#include <QPointer>

#include "backends/linux/views/drawn_menu_popup.h"
#include "toolkit/menus/drawn_popup_menu_link.h"

namespace lumaro::platform::linuxos {

// A popup menu that draws itself, on screen: each popup request of the model opens the drawing as a
// popup window at the requested point. Destroy the view before the menu.
class DrawnPopupMenuView {
 public:
  DrawnPopupMenuView(toolkit::PopupMenu& menu, toolkit::DrawnMenu& drawing, platform::TextService& text,
                     toolkit::Application& app);
  ~DrawnPopupMenuView();
  DrawnPopupMenuView(const DrawnPopupMenuView&) = delete;
  DrawnPopupMenuView& operator=(const DrawnPopupMenuView&) = delete;

  // The open popup, if any.
  QWidget* popup() const { return popup_; }

 private:
  void open(int x, int y);

  platform::TextService& text_;
  QPointer<DrawnMenuPopup> popup_;
  toolkit::DrawnPopupMenuLink link_;
};

}  // namespace lumaro::platform::linuxos
