#pragma once
#include <string>
#include <vector>

#include "toolkit/component.h"
#include "toolkit/event.h"

namespace lumaro::toolkit {

// One menu command; a caption of "-" is a separator.
class MenuItem : public Component {
 public:
  using Component::Component;

  std::string caption;
  int imageIndex = -1;
  bool enabled = true;
  bool visible = true;
  bool checked = false;
  NotifyEvent OnClick;

  bool isSeparator() const { return caption == "-"; }
  void click() {
    if (enabled) OnClick(*this);
  }
};

// A menu that pops up at a screen position.
class PopupMenu : public Component {
 public:
  using Component::Component;

  // Creates an item at the end of the menu.
  MenuItem& addItem(std::string name, std::string caption);
  const std::vector<MenuItem*>& items() const { return items_; }

 private:
  std::vector<MenuItem*> items_;
};

}  // namespace lumaro::toolkit
