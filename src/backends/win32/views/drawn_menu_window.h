#pragma once
#include <functional>
#include <memory>

#include "backends/shared/screen_density.h"
#include "backends/win32/desktop/own_window.h"
#include "toolkit/menus/drawn_menu_tracker.h"

namespace lumaro::platform::win32 {

// A drawn menu on screen: a topmost popup window showing the menu's picture and answering the mouse and
// keys as toolkit::DrawnMenuTracker says, but for the release of a button that was down when it opened.
// It holds the mouse capture, so that a press outside closes it. A choice closes the popup and then
// reports the item. Escape, a press outside, or losing the activation or the capture closes it without
// a choice; then `onClosed` runs.
class DrawnMenuWindow : private toolkit::MenuWindow {
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
  int selected() const { return tracker_.selected(); }

 private:
  std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam);
  void paint();
  ScreenDensity density() const;
  void highlightChanged() override;
  void dismiss() override;
  void choose(int index) override;

  toolkit::DrawnMenuTracker tracker_;
  Choice onChoice_;
  std::function<void()> onClosed_;
  bool open_ = false;
  bool closing_ = false;
  // Buttons held when the popup opened: their release is the end of the click that opened it.
  bool ignoreLeftUp_ = false;
  bool ignoreRightUp_ = false;
  std::unique_ptr<OwnWindow> window_;
};

}  // namespace lumaro::platform::win32
