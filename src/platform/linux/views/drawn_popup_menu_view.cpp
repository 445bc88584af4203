#include "platform/linux/views/drawn_popup_menu_view.h"

namespace lumaro::platform::qt {

DrawnPopupMenuView::DrawnPopupMenuView(toolkit::PopupMenu& menu, toolkit::DrawnMenu& drawing,
                                       platform::TextService& text, toolkit::Application& app)
    : menu_(menu), drawing_(drawing), text_(text), app_(app) {
  menu_.setPopupListener([this](int x, int y) { open(x, y); });
}

DrawnPopupMenuView::~DrawnPopupMenuView() {
  menu_.setPopupListener(nullptr);
  delete popup_.data();
}

void DrawnPopupMenuView::open(int x, int y) {
  // A second request while the menu is open starts it afresh, measured again.
  delete popup_.data();
  popup_ = new DrawnMenuPopup(drawing_, text_, nullptr, [this](int index) {
    app_.guarded([this, index] { drawing_.clickItem(index); });
  });
  popup_->popup({x, y});
}

}  // namespace lumaro::platform::qt
