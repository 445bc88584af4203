#pragma once
#include <functional>
#include <memory>

#include "platform/win32/ui/own_window.h"
#include "toolkit/drawn_menu.h"

namespace lumaro::platform::win32 {

// A drawn menu on screen: a topmost popup window showing the menu's picture, with the item under the
// mouse highlighted. It holds the mouse capture, so that a press outside closes it. Releasing a button
// over an item (but not the release of the button that was down when it opened), Enter on the
// highlighted item, or an item's access key (when no other item has it) closes the popup and then
// reports the item; the arrow keys move the highlight. Escape, a press outside, or losing the
// activation or the capture closes it without a choice; then `onClosed` runs.
class DrawnMenuWindow {
 public:
  using Choice = std::function<void(int index)>;

  DrawnMenuWindow(toolkit::DrawnMenu& menu, platform::TextService& text, Choice onChoice,
                  std::function<void()> onClosed);
  ~DrawnMenuWindow();
  DrawnMenuWindow(const DrawnMenuWindow&) = delete;
  DrawnMenuWindow& operator=(const DrawnMenuWindow&) = delete;

  // Shows the popup with its top left at a screen position, or, where it would leave the work area,
  // with its right or bottom edge there instead.
  void popup(int x, int y);

  HWND window() const { return window_->handle(); }
  int selected() const { return selected_; }

 private:
  std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam);
  void paint();
  void select(int index);
  void choose(int index);
  void close();
  void typed(wchar_t key);
  bool onKey(WPARAM key);

  toolkit::DrawnMenu& menu_;
  toolkit::MenuPicture picture_;
  Choice onChoice_;
  std::function<void()> onClosed_;
  int selected_ = -1;
  bool open_ = false;
  bool closing_ = false;
  // Buttons held when the popup opened: their release is the end of the click that opened it.
  bool ignoreLeftUp_ = false;
  bool ignoreRightUp_ = false;
  std::unique_ptr<OwnWindow> window_;
};

}  // namespace lumaro::platform::win32
