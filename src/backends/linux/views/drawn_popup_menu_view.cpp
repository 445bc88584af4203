#include "backends/linux/views/drawn_popup_menu_view.h"

namespace lumaro::platform::linuxos {

DrawnPopupMenuView::DrawnPopupMenuView(toolkit::PopupMenu& menu, toolkit::DrawnMenu& drawing,
                                       platform::TextService& text, toolkit::Application& app)
    : text_(text), link_(menu, drawing, app, [this](int x, int y) { open(x, y); }) {}

DrawnPopupMenuView::~DrawnPopupMenuView() {
  delete popup_.data();
}

void DrawnPopupMenuView::open(int x, int y) {
  // A second request while the menu is open starts it afresh, measured again. The request may come
  // from the open popup's own choice: that popup goes once its event is over, not under its feet.
  if (popup_) popup_->close();
  popup_ = new DrawnMenuPopup(link_.drawing(), text_, nullptr, [this](int index) { link_.choose(index); });
  popup_->popup({x, y});
}

}  // namespace lumaro::platform::linuxos
