#include "backends/win32/desktop/restore_channel.h"

// After windows.h, whose types it uses.
#include <commctrl.h>

#include "backends/win32/desktop/main_window.h"

namespace lumaro::platform::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 0x0400;

}  // namespace

WindowRestoreChannel::WindowRestoreChannel(std::wstring windowClass)
    : windowClass_(std::move(windowClass)), optimizeMessage_(RegisterWindowMessageW(L"Lumaro.Optimize")) {}

WindowRestoreChannel::~WindowRestoreChannel() {
  if (window_ != nullptr) RemoveWindowSubclass(window_, &WindowRestoreChannel::answer, kSubclassId);
}

bool WindowRestoreChannel::listen(const std::string&, std::function<void(Request)> onRequest) {
  if (window_ != nullptr) return false;
  HWND found = threadWindowOfClass(windowClass_.c_str());
  if (found == nullptr || !SetWindowSubclass(found, &WindowRestoreChannel::answer, kSubclassId,
                                             reinterpret_cast<DWORD_PTR>(this)))
    return false;
  window_ = found;
  onRequest_ = std::move(onRequest);
  // Should the program run with raised rights, the requests of the user's ordinary programs still
  // reach it.
  acceptFromOrdinaryPrograms(window_, kRestoreMessage);
  if (optimizeMessage_ != 0) acceptFromOrdinaryPrograms(window_, optimizeMessage_);
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
