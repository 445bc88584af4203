#include "backends/win32/desktop/main_window.h"

namespace lumaro::platform::win32 {

namespace {

// The window class of a form is named after the form's class.
constexpr const wchar_t* kMainWindowClass = L"TfrmPrincipal";

BOOL CALLBACK findMainWindow(HWND window, LPARAM found) {
  wchar_t className[32] = {};
  if (GetClassNameW(window, className, 32) == 0 || lstrcmpW(className, kMainWindowClass) != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

}  // namespace

HWND programMainWindow() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &findMainWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

void acceptFromOrdinaryPrograms(HWND window, UINT message) {
  // Without elevation the filter lets everything of the same rights through already; a failure
  // (a system before Windows 7) leaves the default filter, which is all there is to have then.
  ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr);
}

}  // namespace lumaro::platform::win32
