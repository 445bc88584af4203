#pragma once
#include <functional>

#include "toolkit/core/application.h"
#include "toolkit/menus/drawn_menu.h"
#include "toolkit/menus/menu.h"

namespace lumaro::toolkit {

// What every view of a popup menu that draws itself does alike, whatever shows it: each popup request
// of the menu goes to `open` (which puts the drawing on screen at that point), and the item the user
// chooses reaches the drawing inside the application's guard. It stops listening to the menu when it
// goes; destroy it before the menu.
class DrawnPopupMenuLink {
 public:
  using Open = std::function<void(int x, int y)>;

  DrawnPopupMenuLink(PopupMenu& menu, DrawnMenu& drawing, Application& app, Open open);
  ~DrawnPopupMenuLink();
  DrawnPopupMenuLink(const DrawnPopupMenuLink&) = delete;
  DrawnPopupMenuLink& operator=(const DrawnPopupMenuLink&) = delete;

  DrawnMenu& drawing() const { return drawing_; }
  // The user chose item `index` of the drawing.
  void choose(int index);

 private:
  PopupMenu& menu_;
  DrawnMenu& drawing_;
  Application& app_;
};

}  // namespace lumaro::toolkit
