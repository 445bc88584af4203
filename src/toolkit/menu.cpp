#include "toolkit/menu.h"

namespace lumaro::toolkit {

MenuItem& PopupMenu::addItem(std::string name, std::string caption) {
  MenuItem& item = create<MenuItem>();
  item.setName(std::move(name));
  item.caption = std::move(caption);
  items_.push_back(&item);
  return item;
}

}  // namespace lumaro::toolkit
