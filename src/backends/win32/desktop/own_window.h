#pragma once
#include <windows.h>

#include <functional>
#include <optional>

namespace lumaro::platform::win32 {

// A window of ours whose messages go to a handler; a message the handler leaves (nullopt) goes to the
// default window procedure. The window class is registered on first use under `className`.
class OwnWindow {
 public:
  using Handler = std::function<std::optional<LRESULT>(UINT message, WPARAM wParam, LPARAM lParam)>;

  struct Shape {
    const wchar_t* className;
    // HWND_MESSAGE: a message-only window (no broadcasts, not found by FindWindow); nullptr: top level.
    HWND parent = HWND_MESSAGE;
    DWORD style = 0;
    DWORD exStyle = 0;
  };

  OwnWindow(const Shape& shape, Handler handler);
  ~OwnWindow();
  OwnWindow(const OwnWindow&) = delete;
  OwnWindow& operator=(const OwnWindow&) = delete;

  HWND handle() const { return handle_; }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  Handler handler_;
  HWND handle_ = nullptr;
};

}  // namespace lumaro::platform::win32
