#include "backends/win32/desktop/message_notice.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "backends/win32/desktop/main_window.h"
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

namespace {

BOOL CALLBACK collectEnabledWindow(HWND window, LPARAM list) {
  if (IsWindowEnabled(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

// The thread's top-level windows that a box owned by `owner` would leave usable, now disabled; the
// box itself disables its owner.
std::vector<HWND> disableOtherWindows(HWND owner) {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), &collectEnabledWindow, reinterpret_cast<LPARAM>(&windows));
  std::erase(windows, owner);
  for (HWND window : windows) EnableWindow(window, FALSE);
  return windows;
}

BOOL CALLBACK endMessageBox(HWND window, LPARAM) {
  wchar_t className[16] = {};
  // A message box is a dialog of the system's dialog class; the program makes no other dialogs.
  if (GetClassNameW(window, className, 16) != 0 && lstrcmpW(className, L"#32770") == 0)
    PostMessageW(window, WM_COMMAND, IDOK, 0);
  return TRUE;
}
}  // namespace

void Win32MessageNotice::show(const std::string& caption, const std::string& text) {
  // Also on the error stream, for a log or a screen nobody watches.
  note(caption, text);
  if (dismissed_) return;
  ++open_;
  // Owned by the main window, the box lies above it whatever the main window's place (kept on top
  // during a run, or brought up meanwhile), and goes with it to the front. It waits for the user in
  // every window of the program, as a box without owner does (MB_TASKMODAL).
  const HWND owner = programMainWindow();
  const std::vector<HWND> disabled = owner != nullptr ? disableOtherWindows(owner) : std::vector<HWND>{};
  MessageBoxW(owner, boxText(text).c_str(), widen(caption).c_str(), MB_OK | MB_TASKMODAL | MB_SETFOREGROUND);
  for (HWND window : disabled) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
  --open_;
}

void Win32MessageNotice::dismissAll() {
  dismissed_ = true;
  if (open_ > 0) EnumThreadWindows(GetCurrentThreadId(), &endMessageBox, 0);
}

}  // namespace lumaro::platform::win32
