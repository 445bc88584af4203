#include "backends/win32/desktop/desktop.h"

#include <shellapi.h>

#include <algorithm>

#include "backends/shared/screen_density.h"
#include "backends/win32/desktop/carried_document.h"
#include "backends/win32/system/unicode.h"

namespace lumaro::platform::win32 {

Area Win32Desktop::workArea() {
  RECT area{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) return Area{0, 0, 1024, 768};
  // In the windows' logical pixels: the primary screen's density is the system's.
  const ScreenDensity screen{static_cast<int>(GetDpiForSystem())};
  const int left = screen.toLogical(area.left);
  const int top = screen.toLogical(area.top);
  return Area{left, top, screen.toLogical(area.right) - left, screen.toLogical(area.bottom) - top};
}

int Win32Desktop::colorDepth() {
  HDC screen = GetDC(nullptr);
  const int depth = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
  ReleaseDC(nullptr, screen);
  return depth;
}

void Win32Desktop::beep() {
  MessageBeep(MB_OK);
}

bool Win32Desktop::openDocument(const std::string& path) {
  std::wstring file = widen(path);
  if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) {
    // Nothing beside the program and nothing installed: the copy it carries, if it carries one.
    if (const auto copy = carriedDocumentCopy(std::filesystem::path(file).filename().wstring()))
      file = copy->wstring();
  }
  SHELLEXECUTEINFOW request{};
  request.cbSize = sizeof request;
  request.fMask = SEE_MASK_NOASYNC;
  request.lpVerb = L"open";
  request.lpFile = file.c_str();
  request.nShow = SW_SHOWNORMAL;
  if (ShellExecuteExW(&request)) return true;
  // The shell has shown what went wrong with the file itself; only a missing viewer is ours to tell.
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

namespace {

BOOL CALLBACK collectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

constexpr UINT kInPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER;

}  // namespace

void Win32Desktop::keepProgramWindowsOnTop() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), &collectWindow, reinterpret_cast<LPARAM>(&windows));
  for (HWND window : windows) {
    if ((GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) continue;
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, kInPlace);
    if (std::find(placedOnTop_.begin(), placedOnTop_.end(), window) == placedOnTop_.end())
      placedOnTop_.push_back(window);
  }
}

void Win32Desktop::releaseProgramWindowsFromTop() {
  for (HWND window : placedOnTop_) {
    // A handle of a window destroyed meanwhile may name another window by now: only ours count.
    if (IsWindow(window) && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId())
      SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, kInPlace);
  }
  placedOnTop_.clear();
}

}  // namespace lumaro::platform::win32
