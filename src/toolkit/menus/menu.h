#pragma once
#include <functional>
#include <string>
#include <vector>

#include "toolkit/core/component.h"
#include "toolkit/core/event.h"
#include "toolkit/drawing/image_list.h"

namespace lumaro::toolkit {

// One menu command; a caption of "-" is a separator.
class MenuItem : public Component {
 public:
  using Component::Component;

  std::string caption;
  std::string hint;
  int tag = 0;
  int imageIndex = -1;
  bool enabled = true;
  bool visible = true;
  bool checked = false;
  bool isDefault = false;  // the item a double click on the tray icon chooses
  NotifyEvent OnClick;

  bool isSeparator() const { return caption == "-"; }
  void click() {
    if (enabled) OnClick(*this);
  }
};

// A menu that pops up at a screen position; the view that shows it listens for the request.
class PopupMenu : public Component {
 public:
  using Component::Component;

  // Creates an item at the end of the menu.
  MenuItem& addItem(std::string name, std::string caption);
  const std::vector<MenuItem*>& items() const { return items_; }
  // The first item marked as default, or nullptr.
  MenuItem* defaultItem() const;
  // The pictures the items' image indexes refer to, if the menu has any.
  virtual const ImageList* images() const { return nullptr; }

  // Whether the menu opens by itself on a right click of its owner.
  bool autoPopup = true;
  // The component whose action opened the menu last.
  Component* popupComponent = nullptr;

  void popup(int x, int y) {
    if (popupListener_) popupListener_(x, y);
  }
  void setPopupListener(std::function<void(int, int)> listener) { popupListener_ = std::move(listener); }

 private:
  std::vector<MenuItem*> items_;
  std::function<void(int, int)> popupListener_;
};

}  // namespace lumaro::toolkit
