#include "backends/win32/views/own_window_view.h"

namespace lumaro::platform::win32 {

std::optional<LRESULT> OwnWindowView::message(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // Parts (the editor beside a spin edit's arrows) paint themselves.
  if (window != this->window()) return ControlView::message(window, message, wParam, lParam);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // painted with the rest
    case WM_PAINT: {
      PAINTSTRUCT paintInfo;
      HDC dc = BeginPaint(window, &paintInfo);
      RECT client{};
      GetClientRect(window, &client);
      HDC memory = CreateCompatibleDC(dc);
      HBITMAP canvas = CreateCompatibleBitmap(dc, client.right, client.bottom);
      HGDIOBJ previous = SelectObject(memory, canvas);
      paintBackground(memory, client);
      paint(memory, client);
      BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
      SelectObject(memory, previous);
      DeleteObject(canvas);
      DeleteDC(memory);
      EndPaint(window, &paintInfo);
      return 0;
    }
    default:
      return ControlView::message(window, message, wParam, lParam);
  }
}

}  // namespace lumaro::platform::win32
