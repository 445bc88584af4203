#include "backends/win32/desktop/tray.h"

#include <shellapi.h>

#include <algorithm>

#include "backends/win32/desktop/main_window.h"
#include "backends/win32/desktop/tray_icon_image.h"
#include "backends/win32/system/unicode.h"

namespace lumaro::platform::win32 {

std::optional<TrayMouse> trayMouseOf(UINT mouseMessage) {
  switch (mouseMessage) {
    case WM_MOUSEMOVE:
      return TrayMouse::Move;
    case WM_LBUTTONDOWN:
      return TrayMouse::LeftDown;
    case WM_LBUTTONUP:
      return TrayMouse::LeftUp;
    case WM_LBUTTONDBLCLK:
      return TrayMouse::LeftDoubleClick;
    // The icon's window takes double clicks: the second press of a quick pair comes as one. Only the
    // left button has a double click of its own; for the others it is a press like the first.
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      return TrayMouse::RightDown;
    case WM_RBUTTONUP:
      return TrayMouse::RightUp;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      return TrayMouse::MiddleDown;
    case WM_MBUTTONUP:
      return TrayMouse::MiddleUp;
    default:
      return std::nullopt;
  }
}

ShellTray::ShellTray()
    : window_({.className = L"LumaroTray", .parent = nullptr, .style = WS_POPUP},
              [this](UINT message, WPARAM wParam, LPARAM lParam) { return handle(message, wParam, lParam); }),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
  acceptFromOrdinaryPrograms(window_.handle(), taskbarCreated_);
}

ShellTray::~ShellTray() {
  while (!icons_.empty()) remove(icons_.begin()->first);
}

std::optional<LRESULT> ShellTray::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kCallbackMessage) {
    const auto found = std::find_if(icons_.begin(), icons_.end(), [wParam](const auto& icon) {
      return icon.second.shellId == static_cast<UINT>(wParam);
    });
    const std::optional<TrayMouse> mouse = trayMouseOf(static_cast<UINT>(lParam));
    if (found != icons_.end() && mouse && mouse_) mouse_(found->first, *mouse);
    return 0;
  }
  switch (message) {
    // The hidden window stays for the life of the program, whoever asks it to go: it is answered
    // without the default handling, which would destroy it and lose every icon's clicks.
    case WM_CLOSE:
    case WM_DESTROY:
    case WM_NCDESTROY:
    case WM_QUERYENDSESSION:
    case WM_ENDSESSION:
    case WM_QUIT:
      return 1;
    default:
      break;
  }
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    // The shell's icons went with the old taskbar: the owners add theirs again.
    if (restarted_) restarted_();
    return 0;
  }
  return std::nullopt;
}

bool ShellTray::notify(DWORD action, Entry& entry, const TrayImage* image, const std::string& tip) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window_.handle();
  data.uID = entry.shellId;
  if (action == NIM_DELETE) return Shell_NotifyIconW(action, &data) != FALSE;

  HICON icon = makeTrayIcon(*image, trayIconSize(window_.handle()));
  // NIF_SHOWTIP keeps the standard tooltip on shells that treat the icon by the version-4 rules.
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
  data.uCallbackMessage = kCallbackMessage;
  data.hIcon = icon;
  // The tip holds 127 characters and the terminator.
  const std::wstring wide = widen(tip).substr(0, std::size(data.szTip) - 1);
  std::copy(wide.begin(), wide.end(), data.szTip);
  bool done = Shell_NotifyIconW(action, &data) != FALSE;
  // An icon the shell already shows (added again after a restart that did not lose it) is replaced.
  if (!done && action == NIM_ADD) done = Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
  // The shell keeps its own copy of the picture.
  if (entry.icon != nullptr) DestroyIcon(entry.icon);
  entry.icon = icon;
  return done;
}

bool ShellTray::add(IconId id, const TrayImage& image, const std::string& tip) {
  auto [place, inserted] = icons_.try_emplace(id, Entry{nextShellId_});
  if (inserted) ++nextShellId_;
  return notify(NIM_ADD, place->second, &image, tip);
}

bool ShellTray::modify(IconId id, const TrayImage& image, const std::string& tip) {
  const auto found = icons_.find(id);
  if (found == icons_.end()) return false;
  return notify(NIM_MODIFY, found->second, &image, tip);
}

void ShellTray::remove(IconId id) {
  const auto found = icons_.find(id);
  if (found == icons_.end()) return;
  notify(NIM_DELETE, found->second, nullptr, {});
  if (found->second.icon != nullptr) DestroyIcon(found->second.icon);
  icons_.erase(found);
}

std::optional<ScreenPoint> ShellTray::cursorPosition() {
  POINT at{};
  if (!GetCursorPos(&at)) return std::nullopt;
  return ScreenPoint{static_cast<int>(at.x), static_cast<int>(at.y)};
}

std::uint32_t ShellTray::doubleClickTimeMs() {
  return GetDoubleClickTime();
}

ShiftState ShellTray::shiftState() {
  const auto held = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
  return ShiftState{held(VK_SHIFT), held(VK_MENU), held(VK_CONTROL)};
}

}  // namespace lumaro::platform::win32
