#pragma once
#include "toolkit/menus/drawn_menu_tracker.h"

class QWidget;

namespace lumaro::platform::linuxos {

// Tells screen readers the items of a drawn menu on screen, and which one is highlighted, while the
// popup that shows it lives.
class AccessibleMenu {
 public:
  AccessibleMenu(QWidget& popup, const toolkit::DrawnMenuTracker& tracker);
  ~AccessibleMenu();
  AccessibleMenu(const AccessibleMenu&) = delete;
  AccessibleMenu& operator=(const AccessibleMenu&) = delete;

  // The highlight moved: the highlighted item takes the focus.
  void highlightChanged();

 private:
  QWidget& popup_;
};

}  // namespace lumaro::platform::linuxos
