#include "backends/win32/views/drawn_popup_menu_view.h"

namespace lumaro::platform::win32 {

DrawnPopupMenuView::DrawnPopupMenuView(toolkit::PopupMenu& menu, toolkit::DrawnMenu& drawing,
                                       platform::TextService& text, toolkit::Application& app)
    : text_(text), link_(menu, drawing, app, [this](int x, int y) { open(x, y); }) {}

void DrawnPopupMenuView::open(int x, int y) {
  // A second request while the menu is open starts it afresh, measured again. The request may come
  // from the open popup's own choice: that window goes only with the next request or the view.
  retired_ = std::move(popup_);
  if (retired_) ShowWindow(retired_->window(), SW_HIDE);
  popup_ = std::make_unique<DrawnMenuWindow>(
      link_.drawing(), text_, [this](int index) { link_.choose(index); }, nullptr);
  popup_->popup(x, y);
}

}  // namespace lumaro::platform::win32
