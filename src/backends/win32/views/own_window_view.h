#pragma once
#include "backends/win32/views/control_view.h"

namespace lumaro::platform::win32 {

// The view of a window of our own class: it paints its background and content itself, off screen
// first, so that a picture replaced twice a second never flickers.
class OwnWindowView : public ControlView {
 public:
  using ControlView::ControlView;

  std::optional<LRESULT> message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  // Draws over the background; `client` is the window's inside.
  virtual void paint(HDC, const RECT& /*client*/) {}
};

}  // namespace lumaro::platform::win32
