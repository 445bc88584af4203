#pragma once
#include <windows.h>

namespace lumaro::platform::win32 {

// The program's main window: this thread's top-level window of the main form's class, hidden or not;
// null while there is none. Message boxes and the clipboard belong to it.
HWND programMainWindow();
// This thread's top-level window of `windowClass`, hidden or not; null while there is none.
HWND threadWindowOfClass(const wchar_t* windowClass);

// Lets `message` reach `window` from programs with fewer rights than this one. An elevated process
// receives nothing above WM_USER from an ordinary one otherwise (user interface privilege isolation):
// not the shell's "TaskbarCreated" after Explorer restarts, nor another copy's restore request.
void acceptFromOrdinaryPrograms(HWND window, UINT message);

}  // namespace lumaro::platform::win32
