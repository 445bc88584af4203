#include "platform/win32/ui/drawn_popup_menu_view.h"

namespace lumaro::platform::win32 {

DrawnPopupMenuView::DrawnPopupMenuView(toolkit::PopupMenu& menu, toolkit::DrawnMenu& drawing,
                                       platform::TextService& text, toolkit::Application& app)
    : menu_(menu), drawing_(drawing), text_(text), app_(app) {
  menu_.setPopupListener([this](int x, int y) { open(x, y); });
}

DrawnPopupMenuView::~DrawnPopupMenuView() {
  menu_.setPopupListener(nullptr);
}

void DrawnPopupMenuView::open(int x, int y) {
  // A second request while the menu is open starts it afresh, measured again. The request may come
  // from the open popup's own choice: that window goes only with the next request or the view.
  retired_ = std::move(popup_);
  if (retired_) ShowWindow(retired_->window(), SW_HIDE);
  popup_ = std::make_unique<DrawnMenuWindow>(
      drawing_, text_, [this](int index) { app_.guarded([this, index] { drawing_.clickItem(index); }); },
      nullptr);
  popup_->popup(x, y);
}

}  // namespace lumaro::platform::win32
