#include "backends/win32/desktop/restore_channel.h"

// After windows.h, whose types it uses.
#include <commctrl.h>

namespace lumaro::platform::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 0x0400;

struct Search {
  const std::wstring& windowClass;
  HWND found = nullptr;
};

BOOL CALLBACK matchClass(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<Search*>(lParam);
  wchar_t name[64] = {};
  if (GetClassNameW(window, name, static_cast<int>(std::size(name))) != 0 && search.windowClass == name) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

WindowRestoreChannel::WindowRestoreChannel(std::wstring windowClass)
    : windowClass_(std::move(windowClass)), optimizeMessage_(RegisterWindowMessageW(L"Lumaro.Optimize")) {}

WindowRestoreChannel::~WindowRestoreChannel() {
  if (window_ != nullptr) RemoveWindowSubclass(window_, &WindowRestoreChannel::answer, kSubclassId);
}

bool WindowRestoreChannel::listen(const std::string&, std::function<void(Request)> onRequest) {
  if (window_ != nullptr) return false;
  Search search{windowClass_};
  EnumThreadWindows(GetCurrentThreadId(), &matchClass, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr || !SetWindowSubclass(search.found, &WindowRestoreChannel::answer, kSubclassId,
                                                    reinterpret_cast<DWORD_PTR>(this)))
    return false;
  window_ = search.found;
  onRequest_ = std::move(onRequest);
  // Should the program run with raised rights, the requests of the user's ordinary programs still
  // reach it.
  ChangeWindowMessageFilterEx(window_, kRestoreMessage, MSGFLT_ALLOW, nullptr);
  if (optimizeMessage_ != 0) ChangeWindowMessageFilterEx(window_, optimizeMessage_, MSGFLT_ALLOW, nullptr);
  return true;
}

bool WindowRestoreChannel::send(const std::string&, Request request) {
  const UINT message = request == Request::Optimize ? optimizeMessage_ : kRestoreMessage;
  const HWND listener = FindWindowW(windowClass_.c_str(), nullptr);
  if (message == 0 || listener == nullptr) return false;
  // The caller is what the user just started: it may hand the running copy the right to come to the
  // front, which the system refuses a program in the background.
  DWORD process = 0;
  GetWindowThreadProcessId(listener, &process);
  AllowSetForegroundWindow(process);
  return PostMessageW(listener, message, 0, 0) != FALSE;
}

LRESULT CALLBACK WindowRestoreChannel::answer(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR, DWORD_PTR self) {
  auto& channel = *reinterpret_cast<WindowRestoreChannel*>(self);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, &WindowRestoreChannel::answer, kSubclassId);
    channel.window_ = nullptr;
  } else if (message == kRestoreMessage || (message == channel.optimizeMessage_ && message != 0)) {
    // The parameters are ignored, as they always were.
    if (channel.onRequest_)
      channel.onRequest_(message == kRestoreMessage ? Request::Restore : Request::Optimize);
    return 0;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace lumaro::platform::win32
