#include "backends/win32/desktop/message_notice.h"

#include <windows.h>

#include <cstdio>

#include "backends/win32/system/unicode.h"

namespace lumaro::platform::win32 {

std::wstring boxText(const std::string& text) {
  std::wstring wide = widen(text);
  std::wstring shown;
  shown.reserve(wide.size());
  for (std::size_t i = 0; i < wide.size(); ++i) {
    shown += wide[i];
    if (wide[i] == L'\r' && (i + 1 == wide.size() || wide[i + 1] != L'\n')) shown += L'\n';
  }
  return shown;
}

void Win32MessageNotice::note(const std::string& caption, const std::string& text) {
  std::string logged = text;
  for (char& c : logged) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), logged.c_str());
  std::fflush(stderr);
}

void Win32MessageNotice::show(const std::string& caption, const std::string& text) {
  // Also on the error stream, for a log or a screen nobody watches.
  note(caption, text);
  if (dismissed_) return;
  ++open_;
  MessageBoxW(nullptr, boxText(text).c_str(), widen(caption).c_str(),
              MB_OK | MB_TASKMODAL | MB_SETFOREGROUND);
  --open_;
}

namespace {
BOOL CALLBACK endMessageBox(HWND window, LPARAM) {
  wchar_t className[16] = {};
  // A message box is a dialog of the system's dialog class; the program makes no other dialogs.
  if (GetClassNameW(window, className, 16) != 0 && lstrcmpW(className, L"#32770") == 0)
    PostMessageW(window, WM_COMMAND, IDOK, 0);
  return TRUE;
}
}  // namespace

void Win32MessageNotice::dismissAll() {
  dismissed_ = true;
  if (open_ > 0) EnumThreadWindows(GetCurrentThreadId(), &endMessageBox, 0);
}

}  // namespace lumaro::platform::win32
