#include "toolkit/menus/drawn_popup_menu_link.h"

namespace lumaro::toolkit {

DrawnPopupMenuLink::DrawnPopupMenuLink(PopupMenu& menu, DrawnMenu& drawing, Application& app, Open open)
    : menu_(menu), drawing_(drawing), app_(app) {
  menu_.setPopupListener(std::move(open));
}

DrawnPopupMenuLink::~DrawnPopupMenuLink() {
  menu_.setPopupListener(nullptr);
}

void DrawnPopupMenuLink::choose(int index) {
  app_.guarded([this, index] { drawing_.clickItem(index); });
}

}  // namespace lumaro::toolkit
