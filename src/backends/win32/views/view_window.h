#pragma once
#include <windows.h>

#include <string>

namespace lumaro::platform::win32 {

class ControlView;

// The view that a window, or a part of a control's window (the editor of a combo box), belongs to.
ControlView* viewOf(HWND window);

// Ties `window` to `view`: its messages go to view.message() first, and its notifications to its parent
// go to view.notification(). Untie before the view goes.
void tie(HWND window, ControlView& view);
void untie(HWND window);

// A child window of our own class, the kind containers and painted controls are made of.
HWND createOwnWindow(HWND parent, DWORD style = 0);
// A top-level window of our own class named `className` (registered on first use).
HWND createTopLevelWindow(const std::string& className, DWORD style, DWORD exStyle);
// A child window of a system class, such as a button or a track bar.
HWND createSystemWindow(const wchar_t* className, HWND parent, DWORD style, DWORD exStyle = 0);
// The tooltip window for the controls of the form whose window is `owner`.
HWND createTooltip(HWND owner);

// A window's text, in UTF-8.
std::string textOf(HWND window);

// While one is held, the keys of the thread's forms go through the dialog manager first: Tab and the
// arrows move the focus, Alt with a caption's underlined letter presses its control.
class DialogKeys {
 public:
  DialogKeys();
  ~DialogKeys();
  DialogKeys(const DialogKeys&) = delete;
  DialogKeys& operator=(const DialogKeys&) = delete;
};

}  // namespace lumaro::platform::win32
