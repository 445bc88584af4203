#include "toolkit/menus/menu.h"

namespace lumaro::toolkit {

MenuItem& PopupMenu::addItem(std::string name, std::string caption) {
  MenuItem& item = create<MenuItem>();
  item.setName(std::move(name));
  item.caption = std::move(caption);
  items_.push_back(&item);
  return item;
}

MenuItem* PopupMenu::defaultItem() const {
  for (MenuItem* item : items_) {
    if (item->isDefault) return item;
  }
  return nullptr;
}

}  // namespace lumaro::toolkit
