#include "backends/win32/desktop/main_window.h"

namespace lumaro::platform::win32 {

namespace {

// The window class of a form is named after the form's class.
constexpr const wchar_t* kMainWindowClass = L"TfrmPrincipal";

struct ClassSearch {
  const wchar_t* windowClass;
  HWND found = nullptr;
};

BOOL CALLBACK matchClass(HWND window, LPARAM search) {
  auto& wanted = *reinterpret_cast<ClassSearch*>(search);
  wchar_t className[64] = {};
  if (GetClassNameW(window, className, 64) == 0 || lstrcmpW(className, wanted.windowClass) != 0) return TRUE;
  wanted.found = window;
  return FALSE;
}

}  // namespace

HWND threadWindowOfClass(const wchar_t* windowClass) {
  ClassSearch search{windowClass};
  EnumThreadWindows(GetCurrentThreadId(), &matchClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND programMainWindow() {
  return threadWindowOfClass(kMainWindowClass);
}

void acceptFromOrdinaryPrograms(HWND window, UINT message) {
  // Without elevation the filter lets everything of the same rights through already; a failure
  // (a system before Windows 7) leaves the default filter, which is all there is to have then.
  ChangeWindowMessageFilterEx(window, message, MSGFLT_ALLOW, nullptr);
}

}  // namespace lumaro::platform::win32
